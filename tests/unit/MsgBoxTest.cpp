// Message requests and the catalog's built-in table.
#include <gtest/gtest.h>

#include <new>

#include "app/TELLANApp.h"
#include "app/TELLANDlg.h"
#include "fakes/FakeSettings.h"
#include "fakes/Fakes.h"
#include "messages/CodeFormat.h"
#include "messages/MsgBox.h"
#include "messages/MsgCatalog.h"
#include "platform/Services.h"
#include "res/resource.h"

namespace {

struct FormatCase {
  const char* text;
  std::string expected;
};

TEST(FormatWithOneString, OnlyTheFirstStringConversionReadsTheCode) {
  const FormatCase cases[] = {
      {"An error (%s) has occurred.", "An error (-5) has occurred."},
      {"no code, 100%% sure", "no code, 100% sure"},
      {"%s and %s", "-5 and %s"},
      {"%d %x %n %p %s", "%d %x %n %p -5"},
      {"%5s|%-4s|", "   -5|%-4s|"},
      {"%.1s", "-"},
      {"%*s %s", "%*s -5"},
      {"%999s|", std::string(997, ' ') + "-5|"},
      {"%2147483647s %s", "%2147483647s -5"},
      {"%.2147483647s", "%.2147483647s"},
      {"trailing %", "trailing %"},
      {"%", "%"},
      {"%%s", "%s"},
      {"", ""},
  };
  for (const FormatCase& c : cases) EXPECT_EQ(FormatWithOneString(c.text, "-5"), c.expected) << c.text;
}

class MsgBoxTest : public ::testing::Test {
 protected:
  fakes::FakeEnvironment env;
  fakes::FakeSettings settings;
};

TEST_F(MsgBoxTest, ShowUsesBuiltInTitleTextAndStyleWithNoFormatting) {
  CMsgBox box;
  box.Show("ErrVSTNoSupportFile", MB_ICONERROR | MB_OK);
  box.Show("ErrVSTCreateLib", MB_ICONEXCLAMATION | MB_OK);
  box.Show("NotAKey", MB_ICONERROR | MB_OK);
  box.Show(nullptr, MB_ICONERROR | MB_OK);
  ASSERT_EQ(env.messageBox.boxes.size(), 4u);
  for (const auto& shown : env.messageBox.boxes) EXPECT_EQ(shown.caption, "Ordex Vistello (MRV)");
  EXPECT_EQ(env.messageBox.boxes[0].text, platform::LoadStringA(IDS_MSG_NO_SUPPORT_FILE));
  EXPECT_NE(env.messageBox.boxes[0].text.find("large.\nThe aspect"), std::string::npos);
  EXPECT_EQ(env.messageBox.boxes[0].style, static_cast<unsigned>(MB_ICONERROR | MB_OK));
  EXPECT_EQ(env.messageBox.boxes[1].text, "An error (%s) has occurred.");
  EXPECT_EQ(env.messageBox.boxes[1].style, static_cast<unsigned>(MB_ICONEXCLAMATION | MB_OK));
  EXPECT_EQ(env.messageBox.boxes[2].text, "");
  EXPECT_EQ(env.messageBox.boxes[3].text, "");
}

TEST_F(MsgBoxTest, ShowWithCodeWritesTheSignedDecimalCode) {
  CMsgBox box;
  box.ShowWithCode("ErrVSTCreateLib", -5, MB_ICONERROR | MB_OK);
  box.ShowWithCode("ErrVSTCreateLib", 0, MB_ICONERROR | MB_OK);
  box.ShowWithCode("ErrVSTNoSupportFile", 42, MB_ICONERROR | MB_OK);
  ASSERT_EQ(env.messageBox.boxes.size(), 3u);
  EXPECT_EQ(env.messageBox.boxes[0].text, "An error (-5) has occurred.");
  EXPECT_EQ(env.messageBox.boxes[1].text, "An error (0) has occurred.");
  EXPECT_EQ(env.messageBox.boxes[2].text, platform::LoadStringA(IDS_MSG_NO_SUPPORT_FILE));
}

TEST(MsgCatalog, LookupFillAndBuiltInTexts) {
  CMsgCatalog catalog;
  EXPECT_EQ(catalog.GetText("MsgBoxTitle"), "");
  CString looked;
  EXPECT_EQ(catalog.Lookup("MsgBoxTitle", looked), FALSE);  // a look-up inserts nothing

  catalog.SetText("MsgBoxTitle", "Other");
  catalog.SetText("Extra", "kept");
  catalog.SetText("Extra", "replaced");
  EXPECT_EQ(catalog.FillFromBuiltIn(), TRUE);
  EXPECT_EQ(catalog.GetText("MsgBoxTitle"), "Ordex Vistello (MRV)");
  EXPECT_EQ(catalog.GetText("MsgBoxOK"), "OK");
  EXPECT_EQ(catalog.GetText("Extra"), "replaced");

  CString text = "unchanged";
  EXPECT_EQ(catalog.GetBuiltInText("msgboxtitle", text), FALSE);
  EXPECT_EQ(text, "unchanged");
  EXPECT_EQ(catalog.GetBuiltInText(nullptr, text), FALSE);
  EXPECT_EQ(catalog.GetBuiltInText("ErrVSTCreateLib", text), TRUE);
  EXPECT_EQ(text, "An error (%s) has occurred.");
}

// A message box that fails as an exhausted memory would.
class ThrowingMessageBox : public platform::MessageBoxApi {
 public:
  int MessageBoxA(const char*, const char*, unsigned) override { throw std::bad_alloc(); }
};

TEST(Run, AFailureThatEscapesTheHandOffStillClosesTheLibraryAndEndsTheRun) {
  fakes::FakeEnvironment env;
  fakes::FakeSettings settings;
  ThrowingMessageBox throwing;
  platform::GetServices().messageBox = &throwing;
  env.files.files["list.txt"].bytes = "";
  theApp.SetParameters({"fcc", "list.txt"});
  CTELLANDlg dlg;
  dlg.HandleInitDialog();
  theApp.SetParameters({});
  EXPECT_TRUE(dlg.IsEnded());
  EXPECT_EQ(dlg.GetEndCode(), 0);
  EXPECT_EQ(fakes::Events().back(), "VSLibClose()");
}

}  // namespace
