#include <windows.h>

#include "platform/SystemServices.h"

namespace platform {

bool SystemProcess::RunsUnderWow64() {
  // The function is missing on systems older than WOW64 itself, so it is
  // only ever reached through the address looked up at run time.
  typedef BOOL(WINAPI * IsWow64ProcessFn)(HANDLE, PBOOL);
  HMODULE kernel32 = ::GetModuleHandleA("kernel32");
  if (kernel32 == nullptr) return false;
  IsWow64ProcessFn isWow64Process =
      reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(::GetProcAddress(kernel32, "IsWow64Process")));
  if (isWow64Process == nullptr) return false;
  BOOL wow64 = FALSE;
  return isWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace platform
