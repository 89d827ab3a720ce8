#include "platform/posix/PosixServices.h"

namespace platform {

void* PosixProcess::GetModuleHandleA(const char* moduleName) {
  (void)moduleName;
  return nullptr;
}

void* PosixProcess::GetProcAddress(void* module, const char* procName) {
  (void)module;
  (void)procName;
  return nullptr;
}

bool PosixProcess::CallIsWow64Process(void* isWow64Process, int* wow64) {
  (void)isWow64Process;
  *wow64 = 0;
  return false;
}

}  // namespace platform
