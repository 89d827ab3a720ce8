// The call trace: one line per call, in call order, with the path's bytes
// written so that every one of them can be read back.
#include <sys/stat.h>

#include <string>
#include <vector>

#include "LibraryTest.h"
#include "TestImages.h"
#include "vslib/VSLib.h"
#include "vslib/ResultCodes.h"

namespace vslib_test {
namespace {

using TraceTest = LibraryTest;

TEST_F(TraceTest, ARunIsTracedLineByLineAfterEarlierContent) {
  WriteBytes(TracePath(), "earlier run\n");
  WriteJpeg(PathOf("a.jpg"), 640, 480);
  const std::string good = PathOf("a.jpg");
  const std::string missing = PathOf("b.jpg");

  VSLibCreate(0, 0, 0, 0);
  VSLibSetMode(2);
  VSLibAddFile(good.c_str(), 1);
  VSLibAddFile(missing.c_str(), 1);
  // Each line is on disk as soon as its call returns.
  EXPECT_EQ(TraceLines().size(), 5u);
  VSLibStart(0);
  VSLibClose();

  const std::vector<std::string> expected = {
      "earlier run",
      "VSLibCreate(0, 0, 0, 0) = 0",
      "VSLibSetMode(2) = 0",
      "VSLibAddFile(\"" + good + "\", 1) = 0",
      "VSLibAddFile(\"" + missing + "\", 1) = 1",
      "VSLibStart(0)",
      "VSLibClose()",
  };
  EXPECT_EQ(TraceLines(), expected);
}

TEST_F(TraceTest, ActualArgumentsAndRefusalsAreTraced) {
  VSLibSetMode(2);
  VSLibCreate(-1, 2, 3, 4);
  VSLibClose();
  VSLibCreate(0, 0, 0, 0);
  VSLibSetMode(9);
  VSLibSetMode(2);
  VSLibAddFile("", 0);
  VSLibStart(-3);
  const std::vector<std::string> expected = {
      "VSLibSetMode(2) = 13",        "VSLibCreate(-1, 2, 3, 4) = 10", "VSLibClose()",
      "VSLibCreate(0, 0, 0, 0) = 0", "VSLibSetMode(9) = 11",          "VSLibSetMode(2) = 0",
      "VSLibAddFile(\"\", 0) = 10",  "VSLibStart(-3)",
  };
  EXPECT_EQ(TraceLines(), expected);
}

TEST_F(TraceTest, PathBytesAreEscaped) {
  const struct {
    std::string path;
    const char* traced;
  } cases[] = {
      {"plain ~name.jpg", "\"plain ~name.jpg\""},
      {"C:\\Photos\\a.jpg", "\"C:\\\\Photos\\\\a.jpg\""},
      {"say \"cheese\".jpg", "\"say \\\"cheese\\\".jpg\""},
      {"tab\there", "\"tab\\x09here\""},
      {"cr\r", "\"cr\\x0D\""},
      {"\x1F\x7F", "\"\\x1F\\x7F\""},
      {"caf\xC3\xA9 \xE9\xFF\x80.jpg", "\"caf\\xC3\\xA9 \\xE9\\xFF\\x80.jpg\""},
      {"\xEF\xBB\xBF" "bom.jpg", "\"\\xEF\\xBB\\xBFbom.jpg\""},
  };
  OpenForFiles();
  for (const auto& c : cases) VSLibAddFile(c.path.c_str(), 1);
  VSLibAddFile(nullptr, 1);

  const std::vector<std::string> lines = TraceLines();
  ASSERT_EQ(lines.size(), 2 + std::size(cases) + 1);
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(lines[2 + i], std::string("VSLibAddFile(") + cases[i].traced + ", 1) = 1");
  EXPECT_EQ(lines.back(), "VSLibAddFile(NULL, 1) = 1");
}

TEST_F(TraceTest, NoTraceWithoutTheSettingAndAnUnwritableTraceChangesNoResult) {
  ClearSetting("VSLIB_TRACE");
  EXPECT_EQ(VSLibCreate(0, 0, 0, 0), 0);
  EXPECT_TRUE(TraceLines().empty());

  ASSERT_EQ(mkdir(PathOf("trace-is-a-folder").c_str(), 0755), 0);
  SetSetting("VSLIB_TRACE", PathOf("trace-is-a-folder"));
  EXPECT_EQ(VSLibSetMode(2), 0);
  EXPECT_EQ(VSLibClose(), 0);
}

}  // namespace
}  // namespace vslib_test
