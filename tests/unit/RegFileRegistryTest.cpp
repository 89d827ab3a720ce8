// The Linux settings store read through the registry interface, and the
// message file paths looked up through it.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "messages/MsgCatalog.h"
#include "platform/Services.h"
#include "platform/SystemServices.h"

namespace {

const char kSettingsKey[] = "Software\\ORDEX\\Vistello2\\MARVO";
constexpr std::uint32_t kRead = 0x20019;
constexpr std::uint32_t kRead64 = 0x20119;

class RegFileRegistryTest : public ::testing::Test {
 protected:
  RegFileRegistryTest() : m_saved(platform::GetServices()) {
    const char* previous = getenv("TELLAN_REGISTRY_FILE");
    m_hadStore = previous != nullptr;
    if (m_hadStore) m_previousStore = previous;
    platform::GetServices().registry = &registry;
    platform::GetServices().process = &process;
  }

  ~RegFileRegistryTest() override {
    platform::GetServices() = m_saved;
    if (m_hadStore) {
      setenv("TELLAN_REGISTRY_FILE", m_previousStore.c_str(), 1);
    } else {
      unsetenv("TELLAN_REGISTRY_FILE");
    }
    for (const std::string& path : m_temporaryFiles) unlink(path.c_str());
  }

  void UseStore(const std::string& path) { setenv("TELLAN_REGISTRY_FILE", path.c_str(), 1); }

  // Writes a store file that the test removes when it ends.
  std::string WriteStore(const std::string& bytes) {
    std::string path = ::testing::TempDir() + "tellan-store-XXXXXX";
    int fd = mkstemp(&path[0]);
    EXPECT_GE(fd, 0);
    close(fd);
    m_temporaryFiles.push_back(path);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    return path;
  }

  platform::SystemRegistry registry;
  platform::SystemProcess process;

 private:
  platform::Services m_saved;
  bool m_hadStore = false;
  std::string m_previousStore;
  std::vector<std::string> m_temporaryFiles;
};

TEST_F(RegFileRegistryTest, MessageFilePathsComeFromARegeditExport) {
  UseStore(TELLAN_TEST_DATA_DIR "/reg/vistello-utf16.reg");
  CMsgCatalog catalog;
  EXPECT_STREQ(catalog.GetMessageFilePath(FALSE), "/opt/vistello\\msg\\M.xml");
  EXPECT_STREQ(catalog.GetMessageFilePath(TRUE), "/opt/vistello\\msg\\N.xml");
}

TEST_F(RegFileRegistryTest, AStoreThatCannotBeUsedFindsNoKey) {
  const std::string cases[] = {
      ::testing::TempDir() + "tellan-no-such-store.reg",
      ::testing::TempDir(),  // a folder
      WriteStore("[HKEY_LOCAL_MACHINE\\Software\\ORDEX\\Vistello2\\MARVO]\n"),  // no header
      WriteStore(""),
  };
  for (const std::string& path : cases) {
    SCOPED_TRACE(path);
    UseStore(path);
    platform::RegKey key = reinterpret_cast<platform::RegKey>(1);
    EXPECT_EQ(registry.RegOpenKeyExA(kSettingsKey, 0, kRead, &key), 2);
    EXPECT_EQ(key, nullptr);
    CMsgCatalog catalog;
    EXPECT_STREQ(catalog.GetMessageFilePath(FALSE), "");
  }
}

TEST_F(RegFileRegistryTest, QueriesAnswerLikeTheRegistry) {
  UseStore(WriteStore("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\ORDEX\\Vistello2\\MARVO]\n"
                      "\"XMLFileName\"=\"M.xml\"\n\"Count\"=dword:00000007\n"));
  platform::RegKey key = nullptr;
  ASSERT_EQ(registry.RegOpenKeyExA(kSettingsKey, 0, kRead64, &key), 0);
  ASSERT_NE(key, nullptr);

  std::uint32_t type = 0;
  std::uint32_t size = 0;
  EXPECT_EQ(registry.RegQueryValueExA(key, "xmlfilename", &type, nullptr, &size), 0);
  EXPECT_EQ(type, 1u);
  EXPECT_EQ(size, 6u);

  unsigned char buffer[8] = {};
  size = 5;
  EXPECT_EQ(registry.RegQueryValueExA(key, "XMLFileName", nullptr, buffer, &size), 234);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(buffer[0], 0) << "a short buffer is not written";
  EXPECT_EQ(registry.RegQueryValueExA(key, "XMLFileName", nullptr, buffer, &size), 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), size), std::string("M.xml", 6));

  size = sizeof buffer;
  EXPECT_EQ(registry.RegQueryValueExA(key, "Count", &type, buffer, &size), 0);
  EXPECT_EQ(type, 4u);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(buffer[0], 7);
  EXPECT_EQ(registry.RegQueryValueExA(key, "Absent", nullptr, nullptr, &size), 2);
  EXPECT_EQ(registry.RegQueryValueExA(key, "Count", nullptr, buffer, nullptr), 87);

  EXPECT_EQ(registry.RegCloseKey(key), 0);
  EXPECT_EQ(registry.RegQueryValueExA(key, "XMLFileName", nullptr, nullptr, &size), 6);
  EXPECT_EQ(registry.RegCloseKey(key), 6);
  EXPECT_EQ(registry.RegCloseKey(nullptr), 6);
  EXPECT_EQ(registry.RegOpenKeyExA(kSettingsKey, 0, kRead, nullptr), 87);
}

TEST_F(RegFileRegistryTest, EachOpenReadsTheFileAfresh) {
  const std::string path =
      WriteStore("REGEDIT4\n[HKLM\\Software\\ORDEX\\Vistello2\\MARVO]\n\"AppendPath\"=\"old\"\n");
  UseStore(path);
  platform::RegKey first = nullptr;
  ASSERT_EQ(registry.RegOpenKeyExA(kSettingsKey, 0, kRead, &first), 0);
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      << "REGEDIT4\n[HKLM\\Software\\ORDEX\\Vistello2\\MARVO]\n\"AppendPath\"=\"newer\"\n";
  platform::RegKey second = nullptr;
  ASSERT_EQ(registry.RegOpenKeyExA(kSettingsKey, 0, kRead, &second), 0);
  std::uint32_t size = 0;
  EXPECT_EQ(registry.RegQueryValueExA(first, "AppendPath", nullptr, nullptr, &size), 0);
  EXPECT_EQ(size, 4u) << "an open key keeps what it was opened with";
  EXPECT_EQ(registry.RegQueryValueExA(second, "AppendPath", nullptr, nullptr, &size), 0);
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(registry.RegCloseKey(first), 0);
  EXPECT_EQ(registry.RegCloseKey(second), 0);
}

TEST_F(RegFileRegistryTest, SizeRulesCountTheSameBytesAsOnWindows) {
  // hex(1) stores exactly the bytes listed: a 260-byte InstallFolder is
  // refused before it is read.
  std::string product = "REGEDIT4\n[HKLM\\Software\\ORDEX\\Vistello2]\n\"InstallFolder\"=hex(1):2f";
  std::string settings = "\n[HKLM\\Software\\ORDEX\\Vistello2\\MARVO]\n\"AppendPath\"=\"\"\n"
                         "\"XMLFileName\"=\"\"\n";
  auto folderOf = [](int bytes) {
    std::string list;
    for (int i = 1; i < bytes; ++i) list += ",\\\n  61";
    return list;
  };
  UseStore(WriteStore(product + folderOf(260) + settings));
  CMsgCatalog refused;
  EXPECT_STREQ(refused.GetMessageFilePath(FALSE), "");

  // 257 bytes without a zero, an empty AppendPath and an empty file name give
  // the largest path there is: the folder and two backslashes, 259 bytes.
  UseStore(WriteStore(product + folderOf(257) + settings));
  CMsgCatalog accepted;
  EXPECT_EQ(std::string(accepted.GetMessageFilePath(FALSE)), "/" + std::string(256, 'a') + "\\\\");
}

}  // namespace
