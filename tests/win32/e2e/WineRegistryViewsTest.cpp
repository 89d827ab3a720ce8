// The registry views the Windows program reads its settings from, for real:
// the 32-bit shipping program runs under WOW64 and must take InstallFolder
// from the product key in the 32-bit view and the MARVO values from the
// 64-bit view; the 64-bit twin reads both from its one view. Each row puts
// the two keys into chosen views and looks at the box the run shows: the
// title of a message file of the test's own, or the built-in one when the
// program did not find its settings.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "WineRun.h"
#include "WineSettings.h"
#include "common/SettingsStore.h"

namespace {

using winrun::ImportedSettings;
using winrun::RegistryView;
using winrun::RunResult;
using winrun::Sandbox;

constexpr RegistryView k32 = RegistryView::k32Bit;
constexpr RegistryView k64 = RegistryView::k64Bit;

const char kHeader[] = "Windows Registry Editor Version 5.00\r\n\r\n";

std::string ProductKeyText(const std::string& installFolder) {
  return std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ORDEX\\Vistello2]\r\n" +
         "\"InstallFolder\"=" + expected::RegString(installFolder) + "\r\n";
}

std::string SettingsKeyText() {
  return std::string(kHeader) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ORDEX\\Vistello2\\MARVO]\r\n" +
         "\"AppendPath\"=\"msg\"\r\n\"XMLFileName\"=\"M.xml\"\r\n\"XMLNeutralFileName\"=\"N.xml\"\r\n";
}

// One culture, the user's, with a title of its own.
std::string MessageFile() {
  char lcid[16];
  std::snprintf(lcid, sizeof lcid, "%04lX", ::GetUserDefaultLCID());
  return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<M><Culture LCID=\"") + lcid +
         "\"><MsgBoxTitle>Views found</MsgBoxTitle></Culture></M>\n";
}

struct ViewCase {
  const char* label;
  RegistryView productKeyView;
  RegistryView settingsKeyView;
  bool found;
};

// Where the program under test must find its settings; it has the test
// program's bitness, both being built by one toolchain.
#if defined(_WIN64)
const ViewCase kCases[] = {
    {"both keys in the 64-bit view, the program's own", k64, k64, true},
    {"both keys in the 32-bit view only", k32, k32, false},
};
#else
const ViewCase kCases[] = {
    {"product key 32-bit, MARVO 64-bit: where WOW64 looks", k32, k64, true},
    {"product key 64-bit, MARVO 32-bit: the opposite views", k64, k32, false},
    {"both keys in the 32-bit view: MARVO is not found there", k32, k32, false},
    {"both keys in the 64-bit view: InstallFolder is not found there", k64, k64, false},
};
#endif

TEST(WineRegistryViews, TheSettingsAreFoundOnlyInTheViewsTheProgramReads) {
#if !defined(_WIN64)
  BOOL wow64 = FALSE;
  ASSERT_TRUE(::IsWow64Process(::GetCurrentProcess(), &wow64));
  ASSERT_TRUE(wow64) << "the 32-bit programs must run under WOW64, in a 64-bit prefix";
#endif
  Sandbox sandbox;
  ::CreateDirectoryA(sandbox.Path("msg").c_str(), nullptr);
  sandbox.WriteFile("msg\\M.xml", MessageFile());
  for (const ViewCase& c : kCases) {
    SCOPED_TRACE(c.label);
    ImportedSettings settings(sandbox, {{ProductKeyText(sandbox.Dir()), {c.productKeyView}},
                                        {SettingsKeyText(), {c.settingsKeyView}}});
    ASSERT_EQ(settings.ImportResult(), 0);
    // The import itself went where it was told: the MARVO key is in its view
    // and not in the other one.
    const char kSettingsKey[] = "Software\\ORDEX\\Vistello2\\MARVO";
    ASSERT_TRUE(winrun::KeyExistsIn(c.settingsKeyView, kSettingsKey));
    ASSERT_FALSE(winrun::KeyExistsIn(c.settingsKeyView == k32 ? k64 : k32, kSettingsKey));

    RunResult run = sandbox.Run({"fcc", sandbox.WriteFile("photos.txt", "")});
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].wideTitle, c.found ? L"Views found" : L"Ordex Vistello (MRV)");
  }
  ::DeleteFileA(sandbox.Path("msg\\M.xml").c_str());
  ::RemoveDirectoryA(sandbox.Path("msg").c_str());
}

}  // namespace
