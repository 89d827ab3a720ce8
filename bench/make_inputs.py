#!/usr/bin/env python3
"""Writes the benchmark's inputs into the folder given: photo lists, message
files with many cultures (the user's culture last) and a settings store for
each message file."""
import os
import sys

MESSAGES = {
    "MsgBoxTitle": "Ordex Vistello (MRV)",
    "MsgBoxOK": "OK",
    "ErrVSTNoSupportFile": "No supported files found. The reasons are listed below.\n\n"
    "The image is too small or too large.\nThe aspect ratio of the image is too large.\n"
    "The image is corrupt or the file format is not supported.\n"
    "The image may have been moved or deleted.\n\nSelect other photos.",
    "ErrVSTIncNoSupportFile": "Some of the files are not supported. The reasons are listed below.\n\n"
    "The image is too small or too large.\nThe aspect ratio of the image is too large.\n"
    "The image is corrupt or the file format is not supported.\n\nOnly the others are printed.",
    "ErrVSTCreateLib": "The imaging library could not be started (error %s).",
}


def culture(lcid, title):
    texts = dict(MESSAGES, MsgBoxTitle=title)
    body = "".join(f"    <{key}>{text}</{key}>\n" for key, text in texts.items())
    return f'  <Culture LCID="{lcid:04X}">\n{body}  </Culture>\n'


def message_file(path, cultures, wanted_lcid):
    with open(path, "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="UTF-8"?>\n<Messages>\n')
        # Neither neutral nor the user's: every one of them is looked at.
        for index in range(cultures - 1):
            out.write(culture(0x10000 + index, f"Culture {index}"))
        out.write(culture(wanted_lcid, MESSAGES["MsgBoxTitle"]))
        out.write("</Messages>\n")


def settings(path, folder, file_name):
    with open(path, "w", encoding="utf-8") as out:
        out.write("Windows Registry Editor Version 5.00\n\n"
                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ORDEX\\Vistello2]\n"
                  f'"InstallFolder"="{folder}"\n\n'
                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ORDEX\\Vistello2\\MARVO]\n"
                  '"AppendPath"="."\n'
                  f'"XMLFileName"="{file_name}"\n'
                  f'"XMLNeutralFileName"="{file_name}"\n')


def main():
    folder = os.path.abspath(sys.argv[1])
    wanted_lcid = int(sys.argv[2], 16)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "lines-1m.txt"), "w") as out:
        for index in range(1_000_000):
            out.write(f"/nonexistent/photos/2026/IMG_{index:07d}.jpg\n")
    with open(os.path.join(folder, "line-100mb.txt"), "wb") as out:
        out.write(b"p" * (100 * 1024 * 1024))
    open(os.path.join(folder, "empty.txt"), "w").close()
    for cultures in (1_000, 10_000):
        name = f"cultures-{cultures}.xml"
        message_file(os.path.join(folder, name), cultures, wanted_lcid)
        settings(os.path.join(folder, f"cultures-{cultures}.reg"), folder, name)


if __name__ == "__main__":
    main()
