// Localized boxes of the Windows program under Wine: the product's settings
// imported into the real registry from a .reg file, the message files read by
// MSXML, and the user's locale taken from the Unix locale the test runs under.
//
// Wine gives a process started by another Windows process the locale of its
// parent: LC_ALL or LANG in the CreateProcess environment block do not change
// it. The locale is therefore chosen for the whole test process (ctest runs
// WineCulture once per locale with LC_ALL set), and TELLAN_WINE_EXPECTED_LCID
// says which identifier that run must see.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "WineRun.h"
#include "WineSettings.h"
#include "common/SettingsStore.h"

namespace {

using winrun::ImportedSettings;
using winrun::RunResult;
using winrun::Sandbox;

const char kProductKey[] = "Software\\ORDEX\\Vistello2";

const wchar_t kBuiltInTitle[] = L"Ordex Vistello (MRV)";
const wchar_t kBuiltInNoSupportFileStart[] = L"No supported files found. The reasons are listed below.";
const wchar_t kBuiltInCreateLib[] = L"An error (-5) has occurred.";

std::wstring Start(const std::wstring& text, const wchar_t* start) {
  return text.substr(0, std::wcslen(start));
}

// The product key in either view.
bool ProductKeyExists() {
  return winrun::KeyExistsIn(winrun::RegistryView::k32Bit, kProductKey) ||
         winrun::KeyExistsIn(winrun::RegistryView::k64Bit, kProductKey);
}

std::string InstallFolderInRegistry() {
  char value[MAX_PATH] = {};
  DWORD size = sizeof value;
  if (::RegGetValueA(HKEY_LOCAL_MACHINE, kProductKey, "InstallFolder", RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS) {
    return std::string();
  }
  return value;
}

// The shipped message files: examples/messages under the checkout.
std::string ExampleStore() {
  return expected::SettingsStoreText(winrun::WindowsPathOf(TELLAN_EXAMPLES_DIR), "messages",
                                     "messages.xml", "messages-neutral.xml");
}

RunResult RunWithEmptyList(const Sandbox& sandbox) {
  return sandbox.Run({"fcc", sandbox.WriteFile("photos.txt", "")});
}

RunResult RunWithFailedCreation(const Sandbox& sandbox) {
  std::string list = sandbox.WriteFile("photos.txt", winrun::AcceptedPhoto(sandbox, 0) + "\n");
  return sandbox.Run({"fcc", list}, {{"VSLIB_CREATE_RESULT", "-5"}});
}

// The one box that the run must show, or null once the failure is recorded.
const winrun::ShownBox* OnlyBox(const RunResult& run, const std::string& label) {
  EXPECT_TRUE(run.exited) << label;
  EXPECT_EQ(run.exitCode, 0u) << label;
  EXPECT_EQ(run.boxes.size(), 1u) << label;
  if (run.boxes.size() != 1) return nullptr;
  EXPECT_FALSE(run.boxes[0].hasOwner) << label;
  return &run.boxes[0];
}

struct Culture {
  DWORD lcid;
  const char* name;
  const wchar_t* noSupportFileStart;
  const wchar_t* createLibText;
};

// The cultures of the shipped message file; en-US is also the one marked
// Neutral, which any other locale gets.
const Culture kCultures[] = {
    {0x0411, "ja-JP", L"サポートされているファイルが見つかりません。理由は次のとおりです。",
     L"エラー (-5) が発生しました。"},
    {0x0407, "de-DE", L"Es wurden keine unterstützten Dateien gefunden. Die Gründe sind unten aufgeführt.",
     L"Ein Fehler (-5) ist aufgetreten."},
    {0x040C, "fr-FR", L"Aucun fichier pris en charge n'a été trouvé. Les raisons sont indiquées ci-dessous.",
     L"Une erreur (-5) s'est produite."},
    {0x0409, "en-US", kBuiltInNoSupportFileStart, kBuiltInCreateLib},
};

const Culture& CultureShownFor(DWORD lcid) {
  for (const Culture& culture : kCultures) {
    if (culture.lcid == lcid) return culture;
  }
  return kCultures[3];
}

TEST(WineCulture, TheShippedMessageFileSpeaksTheUsersLanguage) {
  const DWORD lcid = ::GetUserDefaultLCID();
  if (const char* expected = std::getenv("TELLAN_WINE_EXPECTED_LCID")) {
    ASSERT_EQ(lcid, std::strtoul(expected, nullptr, 16)) << "the Unix locale did not reach Wine";
  }
  const Culture& culture = CultureShownFor(lcid);
  char label[64];
  std::snprintf(label, sizeof label, "LCID %04lX, ANSI code page %u, %s shown", lcid, ::GetACP(),
                culture.name);

  Sandbox sandbox;
  ImportedSettings settings(sandbox, ExampleStore());
  ASSERT_EQ(settings.ImportResult(), 0) << label;
  ASSERT_EQ(InstallFolderInRegistry(), winrun::WindowsPathOf(TELLAN_EXAMPLES_DIR)) << label;

  RunResult empty = RunWithEmptyList(sandbox);
  const winrun::ShownBox* box = OnlyBox(empty, label);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->wideTitle, kBuiltInTitle) << label;
  EXPECT_EQ(Start(box->wideText, culture.noSupportFileStart), culture.noSupportFileStart) << label;
  // A character that the ANSI code page cannot hold would have become '?'.
  EXPECT_EQ(box->wideText.find(L'?'), std::wstring::npos) << label;

  RunResult failed = RunWithFailedCreation(sandbox);
  box = OnlyBox(failed, label);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->wideText, culture.createLibText) << label;
}

// A message file of the test's own whose one culture has its own title and
// an empty ErrVSTNoSupportFile; there is no neutral message file.
std::string OwnMessageFile(const std::string& lcidText) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<M><Culture LCID=\"" + lcidText + "\"><MsgBoxTitle>Titel &amp; mehr</MsgBoxTitle>"
         "<ErrVSTNoSupportFile></ErrVSTNoSupportFile></Culture></M>\n";
}

std::string LcidText(DWORD lcid) {
  char text[16];
  std::snprintf(text, sizeof text, "%04lX", lcid);
  return text;
}

TEST(WineLocalized, AMessageFileOfOurOwnIsCompletedByTheBuiltInTexts) {
  Sandbox sandbox;
  ::CreateDirectoryA(sandbox.Path("msg").c_str(), nullptr);
  ImportedSettings settings(sandbox, expected::SettingsStoreText(sandbox.Dir(), "msg", "M.xml", "N.xml"));
  ASSERT_EQ(settings.ImportResult(), 0);
  ASSERT_EQ(InstallFolderInRegistry(), sandbox.Dir());
  const DWORD lcid = ::GetUserDefaultLCID();

  sandbox.WriteFile("msg\\M.xml", OwnMessageFile(LcidText(lcid)));
  RunResult empty = RunWithEmptyList(sandbox);
  const winrun::ShownBox* box = OnlyBox(empty, "the user's culture");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->wideTitle, L"Titel & mehr");
  // The empty text asks for the built-in one.
  EXPECT_EQ(Start(box->wideText, kBuiltInNoSupportFileStart), kBuiltInNoSupportFileStart);

  RunResult failed = RunWithFailedCreation(sandbox);
  box = OnlyBox(failed, "a key that the culture lacks");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->wideTitle, L"Titel & mehr");
  EXPECT_EQ(box->wideText, kBuiltInCreateLib);

  // Sort-order bits in the culture's LCID: not the user's locale, none is
  // marked neutral and the neutral file is missing, so nothing of the file.
  sandbox.WriteFile("msg\\M.xml", OwnMessageFile(LcidText(lcid | 0x10000)));
  RunResult other = RunWithEmptyList(sandbox);
  box = OnlyBox(other, "another culture only");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->wideTitle, kBuiltInTitle);
  EXPECT_EQ(Start(box->wideText, kBuiltInNoSupportFileStart), kBuiltInNoSupportFileStart);
  ::DeleteFileA(sandbox.Path("msg\\M.xml").c_str());
  ::RemoveDirectoryA(sandbox.Path("msg").c_str());
}

TEST(WineLocalized, WithoutSettingsTheBuiltInTextsAreShown) {
  {
    Sandbox sandbox;
    ImportedSettings settings(sandbox, ExampleStore());
    ASSERT_EQ(settings.ImportResult(), 0);
    ASSERT_TRUE(ProductKeyExists());
  }
  // The settings of a scenario leave nothing behind for the next one.
  ASSERT_FALSE(ProductKeyExists());

  Sandbox sandbox;
  RunResult empty = RunWithEmptyList(sandbox);
  const winrun::ShownBox* box = OnlyBox(empty, "no settings");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->wideTitle, kBuiltInTitle);
  EXPECT_EQ(Start(box->wideText, kBuiltInNoSupportFileStart), kBuiltInNoSupportFileStart);

  RunResult failed = RunWithFailedCreation(sandbox);
  box = OnlyBox(failed, "no settings");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->wideText, kBuiltInCreateLib);
}

}  // namespace
