#include "fakes/FakeSettings.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace fakes {
namespace {

constexpr long kErrorFileNotFound = 2;
constexpr long kErrorMoreData = 234;
constexpr long kErrorInvalidHandle = 6;

std::string Folded(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

void FakeRegistry::SetValue(const std::string& keyPath, const std::string& name,
                            const std::string& bytes, bool view64) {
  m_keys[view64 ? 1 : 0][Folded(keyPath)][name] = bytes;
}

void FakeRegistry::SetString(const std::string& keyPath, const std::string& name,
                             const std::string& text, bool view64) {
  SetValue(keyPath, name, text + std::string(1, '\0'), view64);
}

long FakeRegistry::RegOpenKeyExA(const char* subKey, std::uint32_t options, std::uint32_t access,
                                 platform::RegKey* result) {
  (void)options;
  opens.push_back({subKey, access});
  *result = nullptr;
  int view = (access & kKeyWow64_64) != 0 && !m_shareViews ? 1 : 0;
  auto it = m_keys[view].find(Folded(subKey));
  if (it == m_keys[view].end()) return kErrorFileNotFound;
  m_handles.push_back(&it->second);
  ++openHandles;
  *result = reinterpret_cast<platform::RegKey>(m_handles.size());
  return 0;
}

long FakeRegistry::RegQueryValueExA(platform::RegKey key, const char* valueName,
                                    std::uint32_t* type, unsigned char* data,
                                    std::uint32_t* size) {
  std::size_t index = reinterpret_cast<std::size_t>(key);
  if (index == 0 || index > m_handles.size() || m_handles[index - 1] == nullptr) {
    return kErrorInvalidHandle;
  }
  const Values& values = *m_handles[index - 1];
  auto it = values.find(valueName != nullptr ? valueName : "");
  if (it == values.end()) return kErrorFileNotFound;
  if (type != nullptr) *type = 1;
  std::uint32_t stored = static_cast<std::uint32_t>(it->second.size());
  if (data != nullptr) {
    if (size == nullptr || *size < stored) {
      if (size != nullptr) *size = stored;
      return kErrorMoreData;
    }
    std::memcpy(data, it->second.data(), stored);
  }
  if (size != nullptr) *size = stored;
  return 0;
}

long FakeRegistry::RegCloseKey(platform::RegKey key) {
  std::size_t index = reinterpret_cast<std::size_t>(key);
  if (index == 0 || index > m_handles.size() || m_handles[index - 1] == nullptr) {
    return kErrorInvalidHandle;
  }
  m_handles[index - 1] = nullptr;
  --openHandles;
  return 0;
}

FakeSettings::FakeSettings() {
  platform::GetServices().registry = &registry;
  platform::GetServices().process = &process;
  platform::GetServices().locale = &locale;
}

}  // namespace fakes
