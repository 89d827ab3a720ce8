#!/usr/bin/python3
"""The desktop message box, seen as a user sees it.

Runs the real program with no terminal on an X server of its own (Xvfb) with
an accessibility bus, finds its dialog on the screen through AT-SPI, reads
the title, the text and the icon from the dialog, answers it and checks the
end of the run: the library's trace, the list and the exit status.

    desktop_box_test.py --program build/bin/tellan --examples build/examples CASE
    desktop_box_test.py ... --picture docs/desktop-box.png incomplete_list

It starts its own D-Bus session. Exit status 77 means skipped.
"""
import argparse
import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree

import pyatspi

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PHOTOS = os.path.join(SOURCE_DIR, "examples", "photos")
MESSAGES = os.path.join(SOURCE_DIR, "examples", "messages", "messages.xml")
TIME_LIMIT = 60
SKIPPED = 77

TITLE = "Ordex Vistello (MRV)"
REASONS = ("The reasons are listed below.\n\nThe image is too small or too large.\n"
           "The aspect ratio of the image is too large.\n"
           "The image is corrupt or the file format is not supported.\n"
           "The image may have been moved or deleted.\n\n")
INC_NO_SUPPORT_FILE = "Some of the files are not supported. " + REASONS + "Continue processing using the valid images."
NO_SUPPORT_FILE = "No supported files found. " + REASONS + "Select other photos."
# The error icon as GTK names it to assistive technology, in the user's language.
ERROR_ICON = "Error"
JAPANESE_ERROR_ICON = "\u30a8\u30e9\u30fc"


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


def japanese_messages():
    """The ja-JP culture of the shipped message file: title and incomplete-list text."""
    for culture in ElementTree.parse(MESSAGES).getroot().iter("Culture"):
        if culture.get("LCID") == "0411":
            return culture.findtext("MsgBoxTitle").strip(), culture.findtext("ErrVSTIncNoSupportFile").strip()
    raise Failure("no ja-JP culture in " + MESSAGES)


class Case:
    def __init__(self, list_kind="incomplete", env=None, box=None, answer="click", stderr_box=None,
                 terminal=False, hide_gtk=False):
        self.list_kind = list_kind    # incomplete, nothing_usable
        self.env = env or {}
        self.box = box                # (title, text, icon's accessible name) expected on the desktop
        self.answer = answer          # click, enter, escape, or a signal number
        self.stderr_box = stderr_box  # (title, text): expected on standard error instead
        self.terminal = terminal      # run on a terminal of its own
        self.hide_gtk = hide_gtk      # GTK's library hidden from the loader


def cases(examples_build):
    ja_title, ja_text = japanese_messages()
    localized = {"LANG": "ja_JP.UTF-8", "TELLAN_REGISTRY_FILE": os.path.join(examples_build, "vistello.reg")}
    table = {
        "incomplete_list": Case(box=(TITLE, INC_NO_SUPPORT_FILE, ERROR_ICON)),
        "nothing_usable": Case(list_kind="nothing_usable", box=(TITLE, NO_SUPPORT_FILE, ERROR_ICON), answer="enter"),
        "create_failed": Case(list_kind="create_failed", env={"VSLIB_CREATE_RESULT": "-5"},
                              box=(TITLE, "An error (-5) has occurred.", ERROR_ICON), answer="escape"),
        "japanese": Case(env=localized, box=(ja_title, ja_text, JAPANESE_ERROR_ICON)),
        "display_unreachable_terminal": Case(env={"DISPLAY": ":65000"}, terminal=True,
                                             stderr_box=(TITLE, INC_NO_SUPPORT_FILE)),
        "display_unreachable": Case(env={"DISPLAY": ":65000"}, stderr_box=(TITLE, INC_NO_SUPPORT_FILE)),
        "gtk_hidden": Case(hide_gtk=True, stderr_box=(TITLE, INC_NO_SUPPORT_FILE)),
    }
    for name in ("SIGINT", "SIGTERM", "SIGHUP"):
        table["signal_" + name] = Case(box=(TITLE, INC_NO_SUPPORT_FILE, ERROR_ICON), answer=getattr(signal, name))
    return table


def end_with_parent():
    """The X server ends with the test, also when ctest kills it at its time limit."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


class XServer:
    """An Xvfb display of its own; -displayfd picks a free number."""

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x600x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=end_with_parent)
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            if not chunk:
                raise Failure("Xvfb did not start")
            number += chunk
        os.close(read_end)
        self.display = ":" + number.decode().strip()
        return self

    def __exit__(self, *unused):
        self.process.terminate()
        self.process.wait()


class Run:
    def __init__(self, case, program, x_display, work):
        self.case = case
        self.work = work
        self.trace = os.path.join(work, "trace.txt")
        self.list = os.path.join(work, "photos.txt")
        good1, good2 = os.path.join(PHOTOS, "harbour.jpg"), os.path.join(PHOTOS, "meadow.png")
        self.missing = os.path.join(work, "gone.jpg")
        lines = {"incomplete": [good1, self.missing, good2], "create_failed": [good1],
                 "nothing_usable": [self.missing]}[case.list_kind]
        self.good = [good1, good2]
        with open(self.list, "w") as out:
            out.write("".join(line + "\n" for line in lines))
        env = {"PATH": "/usr/bin:/bin", "LANG": "C.UTF-8", "DISPLAY": x_display,
               "TELLAN_REGISTRY_FILE": os.path.join(work, "no-settings.reg"),
               "VSLIB_TRACE": self.trace, "VSLIB_JOB_DIR": os.path.join(work, "jobs")}
        for name in ("DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                env[name] = os.environ[name]
        env.update(case.env)
        command = [program, "fcc", self.list]
        if case.hide_gtk:
            command = ["unshare", "--mount", "--propagation", "private", "sh", "-c",
                       'for lib in /usr/lib/*/libgtk-3.so.0; do mount --bind /dev/null "$lib" || exit 99; done; '
                       'exec "$@"', "hide-gtk"] + command
        self.terminal = None
        if case.terminal:
            self.terminal, slave = os.openpty()
            slave_name = os.ttyname(slave)
            os.close(slave)

            def become_terminal_session():
                os.setsid()
                fd = os.open(slave_name, os.O_RDWR)  # the first terminal a session leader opens is its own
                for target in (0, 1, 2):
                    os.dup2(fd, target)
            self.process = subprocess.Popen(command, env=env, preexec_fn=become_terminal_session)
        else:
            self.process = subprocess.Popen(command, env=env, start_new_session=True, stdin=subprocess.DEVNULL,
                                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)

    def read_trace(self):
        try:
            with open(self.trace) as trace:
                return trace.read()
        except FileNotFoundError:
            return ""

    def submitted_trace(self):
        if self.case.list_kind == "create_failed":
            return "VSLibCreate(0, 0, 0, 0) = -5\n"
        head = "VSLibCreate(0, 0, 0, 0) = 0\nVSLibSetMode(2) = 0\n"
        if self.case.list_kind == "nothing_usable":
            return head + 'VSLibAddFile("%s", 1) = 1\n' % self.missing
        return head + ('VSLibAddFile("%s", 1) = 0\nVSLibAddFile("%s", 1) = 1\nVSLibAddFile("%s", 1) = 0\n'
                       % (self.good[0], self.missing, self.good[1]))

    def full_trace(self):
        started = "VSLibStart(0)\n" if self.case.list_kind == "incomplete" else ""
        return self.submitted_trace() + started + "VSLibClose()\n"

    def finish(self):
        """Waits for the end of the run and checks it; returns standard error (or the terminal)."""
        output = b""
        if self.terminal is not None:
            deadline = time.monotonic() + TIME_LIMIT
            while b"Press Enter" not in output and time.monotonic() < deadline:
                try:
                    output += os.read(self.terminal, 4096)
                except OSError:
                    break
            os.write(self.terminal, b"\r")
            while True:
                try:
                    chunk = os.read(self.terminal, 4096)
                except OSError:
                    break
                if not chunk:
                    break
                output += chunk
            status = self.process.wait(TIME_LIMIT)
            os.close(self.terminal)
        else:
            _, output = self.process.communicate(timeout=TIME_LIMIT)
            status = self.process.returncode
        output = output.decode("utf-8", "replace").replace("\r\n", "\n")
        check(status == 0, "exit status %s, output:\n%s" % (status, output))
        trace = self.read_trace()
        check(trace == self.full_trace(), "trace at the end:\n%s" % trace)
        check(not os.path.exists(self.list), "the list was not deleted")
        return output


def find_dialog(pid):
    deadline = time.monotonic() + TIME_LIMIT
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        desktop.clearCache()  # the list of applications is read anew
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid:
                    app.clearCache()
                    for window in app:
                        if window.getRoleName() in ("alert", "dialog") and window.getState().contains(pyatspi.STATE_SHOWING):
                            return window
            except Exception:  # an application that went away while listed
                pass
        time.sleep(0.1)
    seen = []
    for app in pyatspi.Registry.getDesktop(0):
        try:
            seen.append((app.name, app.get_process_id(), [(w.getRoleName(), w.getState().getStates()) for w in app]))
        except Exception as error:  # an application that went away while listed
            seen.append(str(error))
    raise Failure("no dialog of the program appeared; on the accessibility bus: %r" % seen)


def descendants(accessible, role_name):
    return pyatspi.findAllDescendants(accessible, lambda a: a.getRoleName() == role_name)


def x_property(window, name, x_display):
    output = subprocess.run(["xprop", "-display", x_display, "-id", window, "-notype", name],
                            capture_output=True, env={"LC_ALL": "C.UTF-8", "PATH": "/usr/bin:/bin"}).stdout
    line = output.decode("utf-8", "replace").strip()
    value = line.partition(" = ")[2]
    if value.startswith('"'):
        return value[1:-1].encode("latin-1", "backslashreplace").decode("unicode_escape").encode("latin-1").decode("utf-8")
    return value


def shown_window(pid, x_display):
    """The program's one mapped window and the title the X server holds for it (there is no window manager)."""
    tree = subprocess.run(["xwininfo", "-display", x_display, "-root", "-children"], capture_output=True,
                          text=True).stdout
    titles = []
    for line in tree.splitlines():
        window = line.strip().split(" ")[0]
        if window.startswith("0x") and x_property(window, "_NET_WM_PID", x_display) == str(pid):
            state = subprocess.run(["xwininfo", "-display", x_display, "-id", window], capture_output=True,
                                   text=True).stdout
            if "IsViewable" in state:
                titles.append((window, x_property(window, "_NET_WM_NAME", x_display)))
    check(len(titles) == 1, "windows of the program on the screen: %r" % titles)
    return titles[0]


def read_dialog(dialog, pid, x_display):
    """Title, text, icon and buttons as the window itself reports them."""
    labels = [label.queryText().getText(0, -1) for label in descendants(dialog, "label")]
    window, title = shown_window(pid, x_display)
    return {"window": window, "title": title, "texts": [text for text in labels if text],
            "icons": [icon.name for icon in descendants(dialog, "icon")],
            "buttons": [button.name for button in descendants(dialog, "push button")]}


def take_picture(dialog, x_display, path):
    from PIL import ImageGrab
    extents = dialog.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    picture = ImageGrab.grab(bbox=(extents.x, extents.y, extents.x + extents.width, extents.y + extents.height),
                             xdisplay=x_display)
    picture.save(path)


def answer(run, dialog):
    how = run.case.answer
    if how == "click":
        button = descendants(dialog, "push button")[0]
        button.queryAction().doAction(0)
    elif how in ("enter", "escape"):
        # No window manager gives the dialog the focus; the test does, as a
        # user's click on it would.
        key = {"enter": "Return", "escape": "Escape"}[how]
        subprocess.run(["xdotool", "windowfocus", "--sync", run.window, "key", key], check=True,
                       env={"DISPLAY": run.x_display, "PATH": "/usr/bin:/bin"}, timeout=TIME_LIMIT)
    else:
        run.process.send_signal(how)


def run_case(name, case, program, picture):
    if case.hide_gtk and subprocess.run(["unshare", "--mount", "true"], stderr=subprocess.DEVNULL).returncode != 0:
        print("skipped: hiding GTK needs a mount namespace of its own (root, unconfined)")
        return SKIPPED
    work = tempfile.mkdtemp(prefix="tellan-desktop-")
    try:
        with XServer() as x_server:
            # The accessibility bus and registry are up before the program
            # starts, so that its dialog is announced to them.
            pyatspi.Registry.getDesktop(0)
            run = Run(case, program, x_server.display, work)
            if case.box is not None:
                dialog = find_dialog(run.process.pid)
                shown = read_dialog(dialog, run.process.pid, x_server.display)
                run.window, run.x_display = shown["window"], x_server.display
                title, text, icon = case.box
                check(shown["title"] == title, "title %r" % shown["title"])
                check(shown["texts"] == [text], "texts %r" % shown["texts"])
                check(shown["icons"] == [icon], "icons %r" % shown["icons"])
                check(len(shown["buttons"]) == 1, "buttons %r" % shown["buttons"])
                trace = run.read_trace()
                check(trace == run.submitted_trace(), "trace while the box is open:\n%s" % trace)
                if picture:
                    take_picture(dialog, x_server.display, picture)
                answer(run, dialog)
            output = run.finish()
            if case.stderr_box is not None:
                title, text = case.stderr_box
                check("(X) %s\n" % title in output and text + "\n" in output, "output:\n%s" % output)
                if case.terminal:
                    check("[ OK ]  Press Enter" in output, "not the terminal box:\n%s" % output)
            elif case.terminal is False:
                check("(X)" not in output, "the box went to standard error too:\n%s" % output)
        print("passed:", name)
        return 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


def in_session_of_its_own():
    """Runs this script again inside a D-Bus session with a runtime folder of
    its own: the accessibility bus puts its socket there, so tests running side
    by side never share one."""
    runtime = tempfile.mkdtemp(prefix="tellan-desktop-runtime-")
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, TELLAN_DESKTOP_SESSION="1")
    try:
        return subprocess.run(["dbus-run-session", "--", sys.executable] + sys.argv, env=env).returncode
    finally:
        shutil.rmtree(runtime, ignore_errors=True)


def main():
    if os.environ.get("TELLAN_DESKTOP_SESSION") != "1":
        return in_session_of_its_own()
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", required=True)
    parser.add_argument("--examples", required=True, help="the build's examples folder (vistello.reg)")
    parser.add_argument("--picture", help="save a picture of the dialog here")
    parser.add_argument("case")
    arguments = parser.parse_args()
    table = cases(os.path.abspath(arguments.examples))
    if arguments.case == "list":
        print(" ".join(table))
        return 0
    try:
        return run_case(arguments.case, table[arguments.case], os.path.abspath(arguments.program), arguments.picture)
    except Failure as failure:
        print("FAILED %s: %s" % (arguments.case, failure))
        return 1


if __name__ == "__main__":
    sys.exit(main())
