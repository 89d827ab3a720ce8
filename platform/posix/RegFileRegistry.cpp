// The settings store of the Linux build: a read-only registry kept in a .reg
// file, as Windows administrators export and edit it.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "platform/SystemServices.h"
#include "platform/posix/RegFileParser.h"
#include "platform/posix/RegularFile.h"

// The build sets it from the install prefix.
#ifndef TELLAN_DEFAULT_REGISTRY_FILE
#error "TELLAN_DEFAULT_REGISTRY_FILE must name the default settings store"
#endif

namespace platform {
namespace {

constexpr long kSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorInvalidParameter = 87;
constexpr long kErrorMoreData = 234;

// A settings file is a few lines; anything this large is not one, and reading
// it would only cost time.
constexpr off_t kLargestStoreFile = 16 * 1024 * 1024;

// An open key holds a copy of its values, so the file may change under it.
struct OpenRegKey {
  RegFileStore::Values values;
};

std::set<const OpenRegKey*>& LiveKeys() {
  static std::set<const OpenRegKey*> keys;
  return keys;
}

const OpenRegKey* FindLiveKey(RegKey key) {
  auto* openKey = static_cast<const OpenRegKey*>(key);
  return LiveKeys().count(openKey) != 0 ? openKey : nullptr;
}

std::string StoreFilePath() {
  const char* path = std::getenv("TELLAN_REGISTRY_FILE");
  return path != nullptr && *path != '\0' ? path : TELLAN_DEFAULT_REGISTRY_FILE;
}

// The whole file, or false when it is missing, unreadable, not a regular file
// or too large.
bool ReadStoreFile(const std::string& path, std::string* bytes) {
  struct stat info;
  int fd = OpenRegularFile(path.c_str(), &info);
  if (fd < 0) return false;
  bool ok = info.st_size <= kLargestStoreFile;
  if (ok) {
    bytes->clear();
    bytes->reserve(static_cast<std::size_t>(info.st_size));
    char chunk[8192];
    for (;;) {
      ssize_t got = read(fd, chunk, sizeof chunk);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        ok = false;
        break;
      }
      if (got == 0) break;
      bytes->append(chunk, static_cast<std::size_t>(got));
      if (bytes->size() > static_cast<std::size_t>(kLargestStoreFile)) {
        ok = false;
        break;
      }
    }
  }
  close(fd);
  return ok;
}

}  // namespace

long SystemRegistry::RegOpenKeyExA(const char* subKey, std::uint32_t options,
                                    std::uint32_t access, RegKey* result) {
  // There is one view here, and nothing is ever written, so neither the
  // options nor the access rights change what is read.
  (void)options;
  (void)access;
  if (result == nullptr) return kErrorInvalidParameter;
  *result = nullptr;
  std::string bytes;
  if (!ReadStoreFile(StoreFilePath(), &bytes)) return kErrorFileNotFound;
  RegFileStore store = ParseRegFile(bytes);
  const RegFileStore::Values* values = store.FindKey(subKey != nullptr ? subKey : "");
  if (values == nullptr) return kErrorFileNotFound;
  auto* openKey = new OpenRegKey{*values};
  LiveKeys().insert(openKey);
  *result = openKey;
  return kSuccess;
}

long SystemRegistry::RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* type,
                                       unsigned char* data, std::uint32_t* size) {
  const OpenRegKey* openKey = FindLiveKey(key);
  if (openKey == nullptr) return kErrorInvalidHandle;
  if (data != nullptr && size == nullptr) return kErrorInvalidParameter;
  auto it = openKey->values.find(RegFileStore::Folded(valueName != nullptr ? valueName : ""));
  if (it == openKey->values.end()) return kErrorFileNotFound;
  const RegFileValue& value = it->second;
  auto stored = static_cast<std::uint32_t>(value.data.size());
  if (type != nullptr) *type = value.type;
  if (data != nullptr && *size < stored) {
    *size = stored;
    return kErrorMoreData;
  }
  if (data != nullptr) std::memcpy(data, value.data.data(), stored);
  if (size != nullptr) *size = stored;
  return kSuccess;
}

long SystemRegistry::RegCloseKey(RegKey key) {
  const OpenRegKey* openKey = FindLiveKey(key);
  if (openKey == nullptr) return kErrorInvalidHandle;
  LiveKeys().erase(openKey);
  delete openKey;
  return kSuccess;
}

}  // namespace platform
