#include <windows.h>

#include "platform/SystemServices.h"

namespace platform {

long SystemRegistry::RegOpenKeyExA(const char* subKey, std::uint32_t options, std::uint32_t access,
                                  RegKey* result) {
  HKEY key = nullptr;
  LONG status = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey, options, access, &key);
  *result = status == ERROR_SUCCESS ? static_cast<RegKey>(key) : nullptr;
  return status;
}

long SystemRegistry::RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* type,
                                     unsigned char* data, std::uint32_t* size) {
  DWORD valueType = 0;
  DWORD valueSize = size != nullptr ? *size : 0;
  LONG status = ::RegQueryValueExA(static_cast<HKEY>(key), valueName, nullptr, &valueType, data,
                                   size != nullptr ? &valueSize : nullptr);
  if (type != nullptr) *type = valueType;
  if (size != nullptr) *size = valueSize;
  return status;
}

long SystemRegistry::RegCloseKey(RegKey key) { return ::RegCloseKey(static_cast<HKEY>(key)); }

}  // namespace platform
