// Localized boxes: the shipped settings store and message files, the user's
// locale from the environment, and the built-in texts when nothing can be used.
#include <gtest/gtest.h>

#include "common/ExpectedRun.h"
#include "common/SettingsStore.h"
#include "e2e/Harness.h"
#include "e2e/Photos.h"

namespace {

using e2e::RunOptions;
using e2e::RunResult;
using e2e::Sandbox;

const std::string kExampleStore = std::string(TELLAN_EXAMPLES_BUILD_DIR) + "/vistello.reg";

struct LocaleCase {
  const char* lang;
  const char* noSupportFileStart;
  const char* createLibText;
};

RunResult RunWithEmptyList(const Sandbox& box, std::map<std::string, std::string> env) {
  std::string list = box.WriteFile("photos.txt", "");
  return box.Run(RunOptions({"fcc", list}, std::move(env)));
}

TEST(Localized, TheCultureOfTheUsersLocaleIsShown) {
  const LocaleCase cases[] = {
      {"ja_JP.UTF-8", "サポートされているファイルが見つかりません。", "エラー (-5) が発生しました。"},
      {"de_DE.UTF-8", "Es wurden keine unterstützten Dateien gefunden.", "Ein Fehler (-5) ist aufgetreten."},
      {"fr_FR.UTF-8", "Aucun fichier pris en charge n'a été trouvé.", "Une erreur (-5) s'est produite."},
      {"en_US.UTF-8", "No supported files found.", "An error (-5) has occurred."},
  };
  for (const LocaleCase& c : cases) {
    Sandbox box;
    RunResult run = RunWithEmptyList(box, {{"LANG", c.lang}, {"TELLAN_REGISTRY_FILE", kExampleStore}});
    EXPECT_EQ(run.exitStatus, 0);
    ASSERT_EQ(run.boxes.size(), 1u) << c.lang << run.terminal;
    EXPECT_EQ(run.boxes[0].title, expected::kTitle) << c.lang;
    EXPECT_EQ(run.boxes[0].text.rfind(c.noSupportFileStart, 0), 0u) << c.lang << ": " << run.boxes[0].text;

    std::string list = box.WriteFile("photos.txt", e2e::AcceptedPhoto(0) + "\n");
    RunResult failed = box.Run(RunOptions(
        {"fcc", list}, {{"LANG", c.lang}, {"TELLAN_REGISTRY_FILE", kExampleStore}, {"VSLIB_CREATE_RESULT", "-5"}}));
    ASSERT_EQ(failed.boxes.size(), 1u) << c.lang;
    EXPECT_EQ(failed.boxes[0].text, c.createLibText) << c.lang;
  }
}

// A store and message file of the test's own, so that the file's texts and
// the built-in ones can be told apart.
std::string WriteStore(const Sandbox& box, const std::string& messagesXml) {
  box.WriteFile("product/msg/M.xml", messagesXml);
  return box.WriteFile("settings.reg",
                       expected::SettingsStoreText(box.Path("product"), "msg", "M.xml", "N.xml"));
}

TEST(Localized, MissingKeysAndUnusableSettingsFallBackToTheBuiltInTexts) {
  Sandbox box;
  std::string store = WriteStore(box,
                                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<M><Culture LCID=\"0407\"><MsgBoxTitle>Titel &amp; mehr</MsgBoxTitle>"
                                 "<ErrVSTNoSupportFile></ErrVSTNoSupportFile></Culture></M>\n");
  const std::string builtInStart = "No supported files found. The reasons are listed below.";

  RunResult fromFile = RunWithEmptyList(box, {{"LANG", "de_DE.UTF-8"}, {"TELLAN_REGISTRY_FILE", store}});
  ASSERT_EQ(fromFile.boxes.size(), 1u) << fromFile.terminal;
  EXPECT_EQ(fromFile.boxes[0].title, "Titel & mehr");
  EXPECT_EQ(fromFile.boxes[0].text.rfind(builtInStart, 0), 0u);  // the empty text asks for it

  // No culture for the locale, none marked, and no neutral file: built-in.
  RunResult noCulture = RunWithEmptyList(box, {{"LANG", "ja_JP.UTF-8"}, {"TELLAN_REGISTRY_FILE", store}});
  ASSERT_EQ(noCulture.boxes.size(), 1u);
  EXPECT_EQ(noCulture.boxes[0].title, expected::kTitle);

  // No settings store at all: built-in, and nothing else is said.
  RunResult noStore = RunWithEmptyList(box, {{"LANG", "de_DE.UTF-8"}, {"TELLAN_REGISTRY_FILE", box.Path("none.reg")}});
  ASSERT_EQ(noStore.boxes.size(), 1u);
  EXPECT_EQ(noStore.boxes[0].title, expected::kTitle);
  EXPECT_EQ(noStore.boxes[0].text.rfind(builtInStart, 0), 0u);
  EXPECT_EQ(noStore.exitStatus, 0);
}

}  // namespace
