#include "platform/SystemServices.h"

namespace platform {

void* SystemProcess::GetModuleHandleA(const char* moduleName) {
  (void)moduleName;
  return nullptr;
}

void* SystemProcess::GetProcAddress(void* module, const char* procName) {
  (void)module;
  (void)procName;
  return nullptr;
}

bool SystemProcess::CallIsWow64Process(void* isWow64Process, int* wow64) {
  (void)isWow64Process;
  *wow64 = 0;
  return false;
}

}  // namespace platform
