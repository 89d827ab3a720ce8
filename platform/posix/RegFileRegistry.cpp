#include "platform/posix/PosixServices.h"

namespace platform {

namespace {
constexpr long kErrorFileNotFound = 2;
}

long RegFileRegistry::RegOpenKeyExA(const char*, std::uint32_t, std::uint32_t, RegKey* result) {
  *result = nullptr;
  return kErrorFileNotFound;
}

long RegFileRegistry::RegQueryValueExA(RegKey, const char*, std::uint32_t*, unsigned char*,
                                       std::uint32_t*) {
  return kErrorFileNotFound;
}

long RegFileRegistry::RegCloseKey(RegKey) { return 0; }

}  // namespace platform
