#include "WineRun.h"
#include "common/BmpImage.h"
#include "common/ExpectedRun.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace winrun {
namespace {

constexpr DWORD kPollMs = 10;
constexpr DWORD kRunLimitMs = 60000;
constexpr int kMessageBoxTextId = 0xFFFF;

// The program under test; a Unix path from the build is reached through
// Wine's drive Z:.
std::string ProgramPath() {
  std::string path = TELLAN_EXE;
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string Quoted(const std::string& arg) {
  if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
  return "\"" + arg + "\"";
}

std::string WindowText(HWND hwnd) {
  char buffer[4096];
  int n = ::GetWindowTextA(hwnd, buffer, sizeof buffer);
  return std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::wstring WideWindowText(HWND hwnd) {
  wchar_t buffer[4096];
  int n = ::GetWindowTextW(hwnd, buffer, static_cast<int>(sizeof buffer / sizeof buffer[0]));
  return std::wstring(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

std::string ClassName(HWND hwnd) {
  char buffer[256];
  int n = ::GetClassNameA(hwnd, buffer, sizeof buffer);
  return std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

struct Finder {
  DWORD pid;
  std::vector<HWND> dialogs;
};

BOOL CALLBACK CollectDialogs(HWND hwnd, LPARAM lParam) {
  Finder* finder = reinterpret_cast<Finder*>(lParam);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid == finder->pid && ClassName(hwnd) == "#32770") finder->dialogs.push_back(hwnd);
  return TRUE;
}

// The box's sign: a visible static icon control that holds an icon.
BOOL CALLBACK FindIcon(HWND child, LPARAM lParam) {
  bool* found = reinterpret_cast<bool*>(lParam);
  LONG style = ::GetWindowLongA(child, GWL_STYLE);
  if (ClassName(child) == "Static" && (style & SS_TYPEMASK) == SS_ICON && ::IsWindowVisible(child)) {
    HICON shown = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
    if (shown != nullptr) *found = true;
  }
  return TRUE;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::string EnvironmentBlock(const std::map<std::string, std::string>& overrides) {
  std::map<std::string, std::string> vars;
  char* inherited = ::GetEnvironmentStringsA();
  for (const char* p = inherited; p != nullptr && *p != '\0'; p += std::strlen(p) + 1) {
    std::string entry = p;
    std::size_t eq = entry.find('=', 1);
    if (eq != std::string::npos) vars[entry.substr(0, eq)] = entry.substr(eq + 1);
  }
  ::FreeEnvironmentStringsA(inherited);
  for (const auto& kv : overrides) {
    if (kv.second.empty()) {
      vars.erase(kv.first);
    } else {
      vars[kv.first] = kv.second;
    }
  }
  std::string block;
  for (const auto& kv : vars) block += kv.first + "=" + kv.second + '\0';
  block += '\0';
  return block;
}

}  // namespace

Sandbox::Sandbox() {
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  static int counter = 0;
  m_dir = std::string(temp) + "tellan-wine-" + std::to_string(::GetCurrentProcessId()) + "-" +
          std::to_string(++counter);
  ::CreateDirectoryA(m_dir.c_str(), nullptr);
}

Sandbox::~Sandbox() {
  // Everything in the folder was made by the test or the run, the library's
  // job folders included. What something still holds stays in Wine's
  // temporary folder.
  std::error_code ignored;
  std::filesystem::remove_all(m_dir, ignored);
}

std::string Sandbox::WriteFile(const std::string& name, const std::string& bytes) const {
  std::string path = Path(name);
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string Sandbox::Trace() const { return ReadAll(Path("trace.txt")); }

std::vector<std::string> Sandbox::TraceLines() const { return expected::TraceLinesOf(Trace()); }

void Sandbox::RemoveTrace() const { ::DeleteFileA(Path("trace.txt").c_str()); }

RunResult Sandbox::Run(const std::vector<std::string>& args,
                       const std::map<std::string, std::string>& env) const {
  std::string parameters;
  for (const std::string& arg : args) parameters += (parameters.empty() ? "" : " ") + Quoted(arg);
  return RunRaw(parameters, env);
}

RunResult Sandbox::RunRaw(const std::string& parameters,
                          const std::map<std::string, std::string>& env) const {
  RunResult result;
  std::map<std::string, std::string> settings{{"VSLIB_TRACE", Path("trace.txt")},
                                              {"VSLIB_JOB_DIR", Path("jobs")}};
  for (const auto& kv : env) settings[kv.first] = kv.second;
  std::string block = EnvironmentBlock(settings);

  std::string program = ProgramPath();
  std::string commandLine = Quoted(program);
  if (!parameters.empty()) commandLine += " " + parameters;

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  if (!::CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, &block[0],
                        nullptr, &startup, &process)) {
    return result;
  }

  std::set<HWND> dismissed;
  DWORD waited = 0;
  for (;;) {
    DWORD state = ::WaitForSingleObject(process.hProcess, kPollMs);
    Finder finder{process.dwProcessId, {}};
    ::EnumWindows(CollectDialogs, reinterpret_cast<LPARAM>(&finder));
    for (HWND dialog : finder.dialogs) {
      std::string title = WindowText(dialog);
      if (title == "TELLAN") {
        result.hostSeen = true;
        if (::IsWindowVisible(dialog)) result.hostEverVisible = true;
        continue;
      }
      if (!::IsWindowVisible(dialog) || dismissed.count(dialog) != 0) continue;
      ShownBox box;
      box.title = title;
      char text[4096];
      UINT n = ::GetDlgItemTextA(dialog, kMessageBoxTextId, text, sizeof text);
      box.text.assign(text, n);
      box.wideTitle = WideWindowText(dialog);
      wchar_t wideText[4096];
      UINT wideLength = ::GetDlgItemTextW(dialog, kMessageBoxTextId, wideText,
                                          static_cast<int>(sizeof wideText / sizeof wideText[0]));
      box.wideText.assign(wideText, wideLength);
      box.hasOwner = ::GetWindow(dialog, GW_OWNER) != nullptr;
      ::EnumChildWindows(dialog, FindIcon, reinterpret_cast<LPARAM>(&box.hasIcon));
      box.traceWhenShown = Trace();
      result.boxes.push_back(box);
      dismissed.insert(dialog);
      ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
    }
    // A dismissed box's handle may come back for the next box.
    for (auto it = dismissed.begin(); it != dismissed.end();) {
      it = ::IsWindow(*it) ? std::next(it) : dismissed.erase(it);
    }
    if (state == WAIT_OBJECT_0) break;
    waited += kPollMs;
    if (waited > kRunLimitMs) {
      ::TerminateProcess(process.hProcess, 99);
      ::WaitForSingleObject(process.hProcess, INFINITE);
      ::CloseHandle(process.hThread);
      ::CloseHandle(process.hProcess);
      return result;
    }
  }
  result.exited = true;
  ::GetExitCodeProcess(process.hProcess, &result.exitCode);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return result;
}

bool FileExists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string WindowsPathOf(const std::string& unixPath) {
  std::string path = !unixPath.empty() && unixPath[0] == '/' ? "Z:" + unixPath : unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string AcceptedPhoto(const Sandbox& sandbox, int index) {
  const std::uint32_t sizes[][2] = {{120, 90}, {200, 150}, {64, 64}};
  return sandbox.WriteFile("photo" + std::to_string(index) + ".bmp",
                           BmpImage(sizes[index][0], sizes[index][1]));
}

}  // namespace winrun
