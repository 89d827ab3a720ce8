#include <windows.h>

#include "platform/SystemServices.h"

namespace platform {

void* SystemProcess::GetModuleHandleA(const char* moduleName) {
  return reinterpret_cast<void*>(::GetModuleHandleA(moduleName));
}

void* SystemProcess::GetProcAddress(void* module, const char* procName) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(module), procName));
}

bool SystemProcess::CallIsWow64Process(void* isWow64Process, int* wow64) {
  // The function is missing on systems older than WOW64 itself, so it is
  // only ever reached through the address looked up at run time.
  typedef BOOL(WINAPI * IsWow64ProcessFn)(HANDLE, PBOOL);
  IsWow64ProcessFn call = reinterpret_cast<IsWow64ProcessFn>(isWow64Process);
  BOOL answer = FALSE;
  if (call == nullptr || !call(::GetCurrentProcess(), &answer)) return false;
  *wow64 = answer;
  return true;
}

}  // namespace platform
