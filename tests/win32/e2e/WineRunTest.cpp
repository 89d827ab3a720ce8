// The Windows program under Wine, started as its caller starts it: the boxes
// it really shows, the library's trace, the list file and the exit status.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "WineRun.h"
#include "common/ExpectedRun.h"

namespace {

using Lines = std::vector<std::string>;
using winrun::FileExists;
using winrun::RunResult;
using winrun::Sandbox;

using expected::Added;
using expected::kCreated;
using expected::kIncNoSupportFile;
using expected::kMissingFileCode;
using expected::kModeSet;
using expected::kNoSupportFile;
using expected::kNotAnImageCode;
using expected::kTitle;

// What every run must show whatever else it does: a clean exit with status
// 0, a host dialog that never became visible, boxes without an owner that
// carry an icon.
void ExpectWellBehaved(const RunResult& run, const std::string& label) {
  EXPECT_TRUE(run.exited) << label;
  EXPECT_EQ(run.exitCode, 0u) << label;
  EXPECT_FALSE(run.hostEverVisible) << label;
  for (const winrun::ShownBox& box : run.boxes) {
    EXPECT_FALSE(box.hasOwner) << label;
    EXPECT_TRUE(box.hasIcon) << label;
    EXPECT_EQ(box.title, kTitle) << label;
  }
}

TEST(WineRun, SomeFilesRejectedShowsTheBoxBeforeTheLibraryStarts) {
  Sandbox sandbox;
  const std::string good1 = winrun::AcceptedPhoto(sandbox, 0);
  const std::string good2 = winrun::AcceptedPhoto(sandbox, 1);
  const std::string missing = sandbox.Path("moved away.jpg");
  std::string list = sandbox.WriteFile("photos.txt", good1 + "\r\n" + missing + "\r\n" + good2 + "\r\n");
  RunResult run = sandbox.Run({"fcc", list});
  ExpectWellBehaved(run, "some rejected");
  EXPECT_TRUE(run.hostSeen);
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0].text, kIncNoSupportFile);
  std::string before = run.boxes[0].traceWhenShown;
  EXPECT_EQ(before, kCreated + "\n" + kModeSet + "\n" + Added(good1, 0) + "\n" +
                        Added(missing, kMissingFileCode) + "\n" + Added(good2, 0) + "\n");
  EXPECT_EQ(sandbox.Trace(), before + "VSLibStart(0)\nVSLibClose()\n");
  EXPECT_FALSE(FileExists(list));
}

TEST(WineRun, NothingUsableShowsNoSupportFileClosesAndDeletes) {
  Sandbox sandbox;
  const std::string missing = sandbox.Path("gone.jpg");
  const std::string notImage = sandbox.WriteFile("notes.jpg", "not an image at all");
  struct Case {
    const char* name;
    std::string listBytes;
    bool missingList;
    Lines reading;
  };
  const Case cases[] = {
      {"empty list", "", false, {}},
      {"missing list", "", true, {}},
      {"every file rejected", missing + "\n" + notImage + "\n", false,
       {Added(missing, kMissingFileCode), Added(notImage, kNotAnImageCode)}},
  };
  for (const Case& c : cases) {
    std::string list = sandbox.Path("photos.txt");
    if (!c.missingList) sandbox.WriteFile("photos.txt", c.listBytes);
    sandbox.RemoveTrace();
    RunResult run = sandbox.Run({"fcc", list});
    ExpectWellBehaved(run, c.name);
    ASSERT_EQ(run.boxes.size(), 1u) << c.name;
    EXPECT_EQ(run.boxes[0].text, kNoSupportFile) << c.name;
    Lines expected{kCreated, kModeSet};
    expected.insert(expected.end(), c.reading.begin(), c.reading.end());
    expected.push_back("VSLibClose()");
    EXPECT_EQ(sandbox.TraceLines(), expected) << c.name;
    EXPECT_FALSE(FileExists(list)) << c.name;
  }
}

TEST(WineRun, AListHeldOpenByAnotherProcessCannotBeOpenedNorDeleted) {
  Sandbox sandbox;
  std::string list = sandbox.WriteFile("photos.txt", winrun::AcceptedPhoto(sandbox, 0) + "\n");
  HANDLE holder = ::CreateFileA(list.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  RunResult run = sandbox.Run({"fcc", list});
  ::CloseHandle(holder);
  ExpectWellBehaved(run, "held open");
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0].text, kNoSupportFile);
  EXPECT_EQ(sandbox.TraceLines(), (Lines{kCreated, kModeSet, "VSLibClose()"}));
  // The holder shares no deletion, so the attempted deletion fails.
  EXPECT_TRUE(FileExists(list));
}

TEST(WineRun, FailedCreationShowsTheCodeAndLeavesTheListUnread) {
  Sandbox sandbox;
  std::string list = sandbox.WriteFile("photos.txt", winrun::AcceptedPhoto(sandbox, 0) + "\n");
  RunResult run = sandbox.Run({"fcc", list}, {{"VSLIB_CREATE_RESULT", "-5"}});
  ExpectWellBehaved(run, "failed creation");
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0].text, "An error (-5) has occurred.");
  EXPECT_EQ(run.boxes[0].traceWhenShown, "VSLibCreate(0, 0, 0, 0) = -5\n");
  EXPECT_EQ(sandbox.TraceLines(), (Lines{"VSLibCreate(0, 0, 0, 0) = -5", "VSLibClose()"}));
  EXPECT_FALSE(FileExists(list));
}

TEST(WineRun, RefusedModeSaysNothingAndDeletesTheList) {
  Sandbox sandbox;
  std::string list = sandbox.WriteFile("photos.txt", winrun::AcceptedPhoto(sandbox, 0) + "\n");
  RunResult run = sandbox.Run({"fcc", list}, {{"VSLIB_SETMODE_RESULT", "1"}});
  ExpectWellBehaved(run, "refused mode");
  EXPECT_TRUE(run.boxes.empty());
  EXPECT_EQ(sandbox.TraceLines(), (Lines{kCreated, "VSLibSetMode(2) = 1", "VSLibClose()"}));
  EXPECT_FALSE(FileExists(list));
}

TEST(WineRun, RefusedCommandLinesDoNothingAtAll) {
  Sandbox sandbox;
  std::string list = sandbox.WriteFile("photos.txt", winrun::AcceptedPhoto(sandbox, 0) + "\n");
  const Lines refused[] = {{}, {"fcc"}, {"FCC", list}, {"fcc", list, "more"}, {"--fcc", list}, {"//fcc", list}};
  for (const Lines& args : refused) {
    RunResult run = sandbox.Run(args);
    ExpectWellBehaved(run, ::testing::PrintToString(args));
    EXPECT_TRUE(run.boxes.empty()) << ::testing::PrintToString(args);
    EXPECT_FALSE(FileExists(sandbox.Path("trace.txt"))) << ::testing::PrintToString(args);
    EXPECT_TRUE(FileExists(list)) << ::testing::PrintToString(args);
  }
}

TEST(WineRun, SwitchFormsOfTheModeWordAreAccepted) {
  Sandbox sandbox;
  const std::string photo = winrun::AcceptedPhoto(sandbox, 0);
  for (const char* mode : {"/fcc", "-fcc"}) {
    std::string list = sandbox.WriteFile("my photos.txt", photo + "\n");
    sandbox.RemoveTrace();
    RunResult run = sandbox.Run({mode, list});
    ExpectWellBehaved(run, mode);
    EXPECT_TRUE(run.boxes.empty()) << mode;
    EXPECT_EQ(sandbox.TraceLines(),
              (Lines{kCreated, kModeSet, Added(photo, 0), "VSLibStart(0)", "VSLibClose()"}))
        << mode;
    EXPECT_FALSE(FileExists(list)) << mode;
  }
}

}  // namespace
