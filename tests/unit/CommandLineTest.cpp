// The command-line check: the framework's switch stripping on both platforms
// and CheckCommandLine's decision.
#include <gtest/gtest.h>

#include "app/CommandLineInfoEx.h"
#include "app/TELLANApp.h"
#include "app/TELLANDlg.h"

namespace {

std::vector<std::string> Collect(const std::vector<std::string>& params, const char* switches) {
  CCommandLineInfoEx info;
  AfxParseParameters(info, params, switches);
  return info.m_arrParams;
}

struct StripCase {
  std::string param;
  std::string onWindows;
  std::string onLinux;
};

TEST(ParseCommandLine, DropsOneLeadingSwitchCharacterOfThePlatform) {
  const StripCase cases[] = {
      {"fcc", "fcc", "fcc"},
      {"-fcc", "fcc", "fcc"},
      {"/fcc", "fcc", "/fcc"},
      {"--fcc", "-fcc", "-fcc"},
      {"//fcc", "/fcc", "//fcc"},
      {"-", "", ""},
      {"/", "", "/"},
      {"", "", ""},
      {"/home/me/list.txt", "home/me/list.txt", "/home/me/list.txt"},
      {"-list.txt", "list.txt", "list.txt"},
      {"a b", "a b", "a b"},
  };
  for (const StripCase& c : cases) {
    EXPECT_EQ(Collect({c.param}, "-/"), std::vector<std::string>{c.onWindows}) << c.param;
    EXPECT_EQ(Collect({c.param}, "-"), std::vector<std::string>{c.onLinux}) << c.param;
  }
}

class FlagRecorder : public CCommandLineInfo {
 public:
  void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override {
    calls.push_back(std::string(pszParam) + (bFlag ? " flag" : "") + (bLast ? " last" : ""));
  }
  std::vector<std::string> calls;
};

TEST(ParseCommandLine, PassesSwitchAndLastFlagsInOrder) {
  FlagRecorder info;
  AfxParseParameters(info, {"-a", "b", "/c"}, "-/");
  EXPECT_EQ(info.calls, (std::vector<std::string>{"a flag", "b", "c flag last"}));
}

struct CheckCase {
  std::vector<std::string> params;
  bool accepted;
  std::string path;
};

TEST(CheckCommandLine, AcceptsExactlyFccAndAPath) {
  const CheckCase cases[] = {
      {{}, false, ""},
      {{"fcc"}, false, ""},
      {{"fcc", "list.txt", "more"}, false, ""},
      {{"fcc", "list.txt"}, true, "list.txt"},
      {{"-fcc", "list.txt"}, true, "list.txt"},
      {{"--fcc", "list.txt"}, false, "list.txt"},
      {{"FCC", "list.txt"}, false, "list.txt"},
      {{"fcc ", "list.txt"}, false, "list.txt"},
      {{"fccx", "list.txt"}, false, "list.txt"},
      {{"", "list.txt"}, false, "list.txt"},
      {{"-", "list.txt"}, false, "list.txt"},
      {{"fcc", ""}, true, ""},
      {{"fcc", "my photos/list 1.txt"}, true, "my photos/list 1.txt"},
      {{"fcc", "-list.txt"}, true, "list.txt"},
#ifdef _WIN32
      {{"fcc", "/abs/list.txt"}, true, "abs/list.txt"},
#else
      {{"fcc", "/abs/list.txt"}, true, "/abs/list.txt"},
#endif
  };
  for (const CheckCase& c : cases) {
    theApp.SetParameters(c.params);
    CTELLANDlg dlg;
    EXPECT_EQ(dlg.CheckCommandLine() != FALSE, c.accepted) << ::testing::PrintToString(c.params);
    EXPECT_EQ(dlg.m_strPhotoListPath, c.path) << ::testing::PrintToString(c.params);
  }
  theApp.SetParameters({});
}

}  // namespace
