#include "WineSettings.h"

#include <windows.h>

namespace winrun {
namespace {

REGSAM ViewFlag(RegistryView view) {
  return view == RegistryView::k32Bit ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

}  // namespace

const char* ViewName(RegistryView view) { return view == RegistryView::k32Bit ? "32-bit" : "64-bit"; }

long RunTool(const std::string& commandLine) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE nul = ::CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inheritable, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  BOOL started = ::CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                  nullptr, &startup, &process);
  ::CloseHandle(nul);
  if (!started) return -1;
  long result = -1;
  if (::WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) {
    DWORD code = 0;
    if (::GetExitCodeProcess(process.hProcess, &code)) result = static_cast<long>(code);
  } else {
    ::TerminateProcess(process.hProcess, 99);
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return result;
}

bool KeyExistsIn(RegistryView view, const char* path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ | ViewFlag(view), &key) != ERROR_SUCCESS) {
    return false;
  }
  ::RegCloseKey(key);
  return true;
}

void RemoveProductSettings() {
  for (RegistryView view : {RegistryView::k32Bit, RegistryView::k64Bit}) {
    HKEY software = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_ALL_ACCESS | ViewFlag(view), &software) ==
        ERROR_SUCCESS) {
      ::RegDeleteTreeA(software, "ORDEX");
      ::RegCloseKey(software);
    }
  }
}

ImportedSettings::ImportedSettings(const Sandbox& sandbox, const std::vector<Part>& parts) {
  RemoveProductSettings();
  int index = 0;
  for (const Part& part : parts) {
    std::string file = sandbox.WriteFile("settings-" + std::to_string(++index) + ".reg", part.storeText);
    for (RegistryView view : part.views) {
      long result = RunTool("reg.exe import \"" + file + "\" /reg:" +
                            (view == RegistryView::k32Bit ? "32" : "64"));
      if (m_importResult == 0) m_importResult = result;
    }
  }
}

ImportedSettings::ImportedSettings(const Sandbox& sandbox, const std::string& storeText)
    : ImportedSettings(sandbox, {{storeText, {RegistryView::k32Bit, RegistryView::k64Bit}}}) {}

ImportedSettings::~ImportedSettings() { RemoveProductSettings(); }

}  // namespace winrun
