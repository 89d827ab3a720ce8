#include "messages/RegSettings.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "res/resource.h"

namespace {

constexpr long kSuccess = 0;

std::string LoadName(unsigned id) { return platform::LoadStringA(id); }

// Reads a value of an open key into pBuffer and releases the key, whatever
// happens. On success *pStoredSize holds the size the store reported before
// the read. The read is given only the reported size, so a value that grows in
// between is refused rather than cut short.
BOOL ReadAndClose(platform::RegKey hKey, const char* pszName, char* pBuffer, UINT nSize,
                  std::uint32_t* pStoredSize) {
  platform::RegistryApi& registry = *platform::GetServices().registry;
  std::uint32_t storedSize = 0;
  long result = registry.RegQueryValueExA(hKey, pszName, nullptr, nullptr, &storedSize);
  if (result != kSuccess || storedSize >= nSize) {
    registry.RegCloseKey(hKey);
    return FALSE;
  }
  std::uint32_t readSize = storedSize;
  result = registry.RegQueryValueExA(hKey, pszName, nullptr,
                                     reinterpret_cast<unsigned char*>(pBuffer), &readSize);
  registry.RegCloseKey(hKey);
  if (result != kSuccess || readSize > storedSize) return FALSE;
  // Data without a zero byte still end as a string; readSize < nSize keeps
  // the terminator inside the buffer.
  pBuffer[readSize] = '\0';
  *pStoredSize = storedSize;
  return TRUE;
}

}  // namespace

platform::RegKey CRegSettings::OpenKey(BOOL b64BitView) {
  std::string keyPath = LoadName(IDS_REG_PRODUCT_KEY) + "\\" + LoadName(IDS_REG_SETTINGS_SUBKEY);
  std::uint32_t access = KEY_READ | (b64BitView ? KEY_WOW64_64KEY : 0);
  platform::RegKey hKey = nullptr;
  long result = platform::GetServices().registry->RegOpenKeyExA(keyPath.c_str(), 0, access, &hKey);
  return result == kSuccess ? hKey : nullptr;
}

BOOL CRegSettings::ReadValue(LPCSTR pszName, char* pBuffer, UINT nSize, BOOL b64BitView) const {
  platform::RegKey hKey = OpenKey(b64BitView);
  if (hKey == nullptr) return FALSE;
  std::uint32_t storedSize = 0;
  return ReadAndClose(hKey, pszName, pBuffer, nSize, &storedSize);
}

BOOL CRegSettings::GetMessageFolder(char* pBuffer, UINT nSize, BOOL b64BitView) const {
  std::string productKey = LoadName(IDS_REG_PRODUCT_KEY);
  std::string installFolderName = LoadName(IDS_REG_INSTALLFOLDER);

  // The product key is a 32-bit program's own key: it is read in the default
  // view even under WOW64.
  platform::RegKey hKey = nullptr;
  if (platform::GetServices().registry->RegOpenKeyExA(productKey.c_str(), 0, KEY_READ, &hKey) !=
          kSuccess ||
      hKey == nullptr) {
    return FALSE;
  }
  std::uint32_t installFolderSize = 0;
  if (!ReadAndClose(hKey, installFolderName.c_str(), pBuffer, nSize, &installFolderSize)) {
    return FALSE;
  }

  char szAppendPath[MAX_PATH];
  std::string appendPathName = LoadName(IDS_REG_APPENDPATH);
  if (!ReadValue(appendPathName.c_str(), szAppendPath, sizeof szAppendPath, b64BitView)) {
    return FALSE;
  }

  // The stored size counts InstallFolder's terminator when it has one; the 2
  // make room for the backslash and the final zero.
  std::size_t appendLength = std::strlen(szAppendPath);
  if (static_cast<std::size_t>(installFolderSize) + appendLength + 2 > nSize) return FALSE;

  std::size_t folderLength = std::strlen(pBuffer);
  pBuffer[folderLength] = '\\';
  std::memcpy(pBuffer + folderLength + 1, szAppendPath, appendLength + 1);
  return TRUE;
}
