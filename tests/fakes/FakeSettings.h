// Fakes of the settings store, the process information and the user's locale.
#ifndef TELLAN_TESTS_FAKES_FAKESETTINGS_H
#define TELLAN_TESTS_FAKES_FAKESETTINGS_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fakes/ServicesOverride.h"
#include "platform/Services.h"

namespace fakes {

// Keys under HKEY_LOCAL_MACHINE in two views. Key paths compare without regard
// to letter case; values keep their exact bytes.
class FakeRegistry : public platform::RegistryApi {
 public:
  static constexpr std::uint32_t kKeyWow64_64 = 0x0100;

  // Stores a value in the default view (view64 false) or the 64-bit view.
  void SetValue(const std::string& keyPath, const std::string& name, const std::string& bytes,
                bool view64 = false);
  // A string value as the registry stores it: the text and its terminating zero.
  void SetString(const std::string& keyPath, const std::string& name, const std::string& text,
                 bool view64 = false);
  // Makes the 64-bit view of every key the same as the default view.
  void ShareViews() { m_shareViews = true; }

  long RegOpenKeyExA(const char* subKey, std::uint32_t options, std::uint32_t access,
                     platform::RegKey* result) override;
  long RegQueryValueExA(platform::RegKey key, const char* valueName, std::uint32_t* type,
                        unsigned char* data, std::uint32_t* size) override;
  long RegCloseKey(platform::RegKey key) override;

  struct Open {
    std::string keyPath;
    std::uint32_t access;
  };
  std::vector<Open> opens;  // every RegOpenKeyExA, in order
  int openHandles = 0;      // opened and not yet closed

 private:
  using Values = std::map<std::string, std::string>;
  std::map<std::string, Values> m_keys[2];
  bool m_shareViews = false;
  std::vector<const Values*> m_handles;
};

// A 32-bit process on 64-bit Windows, or not.
class FakeProcess : public platform::ProcessApi {
 public:
  bool wow64 = false;
  bool RunsUnderWow64() override { return wow64; }
};

class FakeLocale : public platform::LocaleApi {
 public:
  std::uint32_t lcid = 0x0409;
  std::uint32_t GetUserDefaultLCID() override { return lcid; }
};

// Installs the three fakes; restores the real services after.
class FakeSettings : private ServicesOverride {
 public:
  FakeSettings();

  FakeRegistry registry;
  FakeProcess process;
  FakeLocale locale;
};

}  // namespace fakes

#endif
