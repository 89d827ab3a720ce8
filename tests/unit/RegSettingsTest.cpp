// The message file paths composed from the settings store.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fakes/FakeSettings.h"
#include "messages/MsgCatalog.h"
#include "messages/RegSettings.h"

namespace {

const std::string kProductKey = "Software\\ORDEX\\Vistello2";
const std::string kSettingsKey = kProductKey + "\\MARVO";
constexpr std::uint32_t kRead = KEY_READ;
constexpr std::uint32_t kRead64 = KEY_READ | KEY_WOW64_64KEY;
static_assert(kRead == 0x20019 && kRead64 == 0x20119, "the access masks the settings are read with");

std::string Str(const std::string& text) { return text + std::string(1, '\0'); }

void Install(fakes::FakeRegistry& registry, const std::string* installFolder,
             const std::string* appendPath, const std::string* fileName,
             const std::string* neutralFileName, bool settingsIn64View = false) {
  if (installFolder != nullptr) registry.SetValue(kProductKey, "InstallFolder", *installFolder);
  if (appendPath != nullptr) {
    registry.SetValue(kSettingsKey, "AppendPath", *appendPath, settingsIn64View);
  }
  if (fileName != nullptr) {
    registry.SetValue(kSettingsKey, "XMLFileName", *fileName, settingsIn64View);
  }
  if (neutralFileName != nullptr) {
    registry.SetValue(kSettingsKey, "XMLNeutralFileName", *neutralFileName, settingsIn64View);
  }
}

struct PathCase {
  const char* what;
  std::string installFolder;
  std::string appendPath;
  std::string fileName;
  std::string expected;
};

TEST(MessageFilePath, ComposesFolderAppendPathAndFileNameOrLeavesTheSlotEmpty) {
  const std::string folder245(245, 'f');
  const std::vector<PathCase> cases = {
      {"plain", Str("C:\\P"), Str("Msg"), Str("M.xml"), "C:\\P\\Msg\\M.xml"},
      {"folder ending in a backslash", Str("C:\\P\\"), Str("Msg"), Str("M.xml"),
       "C:\\P\\\\Msg\\M.xml"},
      {"empty AppendPath", Str("C:\\P"), Str(""), Str("M.xml"), "C:\\P\\\\M.xml"},
      {"values stored without their zero", "C:\\P", "Msg", "M.xml", "C:\\P\\Msg\\M.xml"},
      {"text ends at the first zero byte", Str("C:\\P") + "junk", Str("Msg") + "x",
       Str("M.xml") + "yz", "C:\\P\\Msg\\M.xml"},
      {"InstallFolder of 260 bytes", Str(std::string(259, 'f')), Str(""), Str(""), ""},
      {"file name of 260 bytes", Str("C:\\P"), Str("Msg"), std::string(260, 'n'), ""},
      {"path of 259 bytes", Str(folder245), Str("abcd"), Str("12345678"),
       folder245 + "\\abcd\\12345678"},
      {"path of 260 bytes", Str(folder245), Str("abcd"), Str("123456789"), ""},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.what);
    fakes::FakeSettings settings;
    Install(settings.registry, &c.installFolder, &c.appendPath, &c.fileName, &c.fileName);
    CMsgCatalog catalog;
    EXPECT_EQ(std::string(catalog.GetMessageFilePath(FALSE)), c.expected);
    EXPECT_EQ(std::string(catalog.m_szPath), c.expected);
    EXPECT_EQ(settings.registry.openHandles, 0);
  }
}

TEST(MessageFilePath, NeutralFileHasItsOwnNameAndReplacesTheSlot) {
  fakes::FakeSettings settings;
  const std::string folder = Str("C:\\P"), append = Str("Msg"), file = Str("M.xml"),
                    neutral = Str("N.xml");
  Install(settings.registry, &folder, &append, &file, &neutral);
  CMsgCatalog catalog;
  EXPECT_STREQ(catalog.GetMessageFilePath(FALSE), "C:\\P\\Msg\\M.xml");
  EXPECT_STREQ(catalog.GetMessageFilePath(TRUE), "C:\\P\\Msg\\N.xml");
  EXPECT_EQ(settings.registry.openHandles, 0);
}

TEST(MessageFilePath, MissingValuesOrKeysLeaveTheSlotEmpty) {
  const std::string folder = Str("C:\\P"), append = Str("Msg"), file = Str("M.xml");
  {
    SCOPED_TRACE("no XMLNeutralFileName: only the neutral path is empty");
    fakes::FakeSettings settings;
    Install(settings.registry, &folder, &append, &file, nullptr);
    CMsgCatalog catalog;
    EXPECT_STREQ(catalog.GetMessageFilePath(FALSE), "C:\\P\\Msg\\M.xml");
    EXPECT_STREQ(catalog.GetMessageFilePath(TRUE), "");
    EXPECT_EQ(settings.registry.openHandles, 0);
  }
  struct Missing {
    const char* what;
    const std::string* installFolder;
    const std::string* appendPath;
  };
  const Missing cases[] = {{"no InstallFolder", nullptr, &append},
                           {"no AppendPath", &folder, nullptr}};
  for (const Missing& c : cases) {
    SCOPED_TRACE(c.what);
    fakes::FakeSettings settings;
    Install(settings.registry, c.installFolder, c.appendPath, &file, &file);
    CMsgCatalog catalog;
    EXPECT_STREQ(catalog.GetMessageFilePath(FALSE), "");
    EXPECT_STREQ(catalog.GetMessageFilePath(TRUE), "");
    EXPECT_EQ(settings.registry.openHandles, 0);
  }
  {
    SCOPED_TRACE("no product key at all");
    fakes::FakeSettings settings;
    settings.registry.SetString(kSettingsKey, "AppendPath", "Msg");
    settings.registry.SetString(kSettingsKey, "XMLFileName", "M.xml");
    CMsgCatalog catalog;
    EXPECT_STREQ(catalog.GetMessageFilePath(FALSE), "");
    ASSERT_EQ(settings.registry.opens.size(), 1u);
    EXPECT_EQ(settings.registry.opens[0].keyPath, kProductKey);
  }
}

struct ViewCase {
  const char* what;
  bool wow64;
  std::uint32_t settingsAccess;
};

TEST(MessageFilePath, SettingsKeyIsReadInThe64BitViewOnlyUnderWow64) {
  // Where the WOW64 test cannot be made, the process counts as not running
  // under WOW64: the same row as 32-bit Windows.
  const ViewCase cases[] = {
      {"not under WOW64", false, kRead},
      {"under WOW64", true, kRead64},
  };
  const std::string folder = Str("C:\\P"), append = Str("Msg"), file = Str("M.xml");
  for (const ViewCase& c : cases) {
    SCOPED_TRACE(c.what);
    fakes::FakeSettings settings;
    settings.process.wow64 = c.wow64;
    // The product key lives only in the default view, the settings key only
    // in the view that must be read.
    Install(settings.registry, &folder, &append, &file, &file, c.settingsAccess == kRead64);
    CMsgCatalog catalog;
    EXPECT_STREQ(catalog.GetMessageFilePath(FALSE), "C:\\P\\Msg\\M.xml");
    const auto& opens = settings.registry.opens;
    ASSERT_EQ(opens.size(), 3u);
    EXPECT_EQ(opens[0].keyPath, kProductKey);
    EXPECT_EQ(opens[0].access, kRead);
    for (std::size_t i = 1; i < opens.size(); ++i) {
      EXPECT_EQ(opens[i].keyPath, kSettingsKey);
      EXPECT_EQ(opens[i].access, c.settingsAccess);
    }
    EXPECT_EQ(settings.registry.openHandles, 0);
  }
}

TEST(MessageFilePath, UnderWow64ASettingsKeyOnlyInThe32BitViewIsNotFound) {
  fakes::FakeSettings settings;
  settings.process.wow64 = true;
  const std::string folder = Str("C:\\P"), append = Str("Msg"), file = Str("M.xml");
  Install(settings.registry, &folder, &append, &file, &file, false);
  CMsgCatalog catalog;
  EXPECT_STREQ(catalog.GetMessageFilePath(FALSE), "");
  EXPECT_EQ(settings.registry.openHandles, 0);
}

TEST(RegSettings, ReadValueRefusesValuesThatDoNotFitStrictlyAndLeavesTheBufferAlone) {
  struct SizeCase {
    std::string stored;
    bool accepted;
  };
  const SizeCase cases[] = {
      {Str(std::string(258, 'v')), true},  // 259 bytes with its zero
      {std::string(259, 'v'), true},       // 259 bytes, terminated in the 260th
      {Str(std::string(259, 'v')), false},
      {std::string(260, 'v'), false},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(c.stored.size());
    fakes::FakeSettings settings;
    settings.registry.SetValue(kSettingsKey, "AppendPath", c.stored);
    char buffer[260];
    std::memset(buffer, '#', sizeof buffer);
    CRegSettings reg;
    EXPECT_EQ(reg.ReadValue("AppendPath", buffer, sizeof buffer, FALSE), c.accepted ? TRUE : FALSE);
    if (c.accepted) {
      EXPECT_EQ(std::string(buffer), c.stored.substr(0, c.stored.find('\0')));
    } else {
      EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(260, '#'));
    }
    EXPECT_EQ(settings.registry.openHandles, 0);
  }
}

TEST(RegSettings, MessageFolderLengthRuleCountsInstallFolderStoredSizeAndAppendPath) {
  // 200 stored bytes + 58 + 2 = 260 fits; one byte more does not.
  const std::string installFolder(199, 'i');
  for (std::size_t appendLength : {std::size_t{58}, std::size_t{59}}) {
    SCOPED_TRACE(appendLength);
    fakes::FakeSettings settings;
    settings.registry.SetString(kProductKey, "InstallFolder", installFolder);
    settings.registry.SetString(kSettingsKey, "AppendPath", std::string(appendLength, 'a'));
    char buffer[260];
    CRegSettings reg;
    BOOL ok = reg.GetMessageFolder(buffer, sizeof buffer, FALSE);
    if (appendLength == 58) {
      ASSERT_TRUE(ok);
      EXPECT_EQ(std::string(buffer), installFolder + "\\" + std::string(58, 'a'));
    } else {
      EXPECT_FALSE(ok);
    }
    EXPECT_EQ(settings.registry.openHandles, 0);
  }
}

TEST(RegSettings, MessageFolderStaysInsideTheBufferItIsGiven) {
  fakes::FakeSettings settings;
  settings.registry.SetString(kProductKey, "InstallFolder", "C:\\P");  // 5 bytes stored
  settings.registry.SetString(kSettingsKey, "AppendPath", "Msg");
  struct SmallCase {
    UINT size;
    bool accepted;
  };
  const SmallCase cases[] = {{5, false}, {9, false}, {10, true}};
  for (const SmallCase& c : cases) {
    SCOPED_TRACE(c.size);
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    CRegSettings reg;
    EXPECT_EQ(reg.GetMessageFolder(buffer, c.size, FALSE), c.accepted ? TRUE : FALSE);
    if (c.accepted) {
      EXPECT_STREQ(buffer, "C:\\P\\Msg");
    }
    EXPECT_EQ(std::string(buffer + c.size, sizeof buffer - c.size),
              std::string(sizeof buffer - c.size, '#'));
  }
  EXPECT_EQ(settings.registry.openHandles, 0);
}

}  // namespace
