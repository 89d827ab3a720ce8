// The whole run as the caller starts it: the boxes on the terminal, the
// library's trace, the list file and the exit status.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "e2e/Harness.h"
#include "common/ExpectedRun.h"
#include "e2e/Photos.h"

namespace {

using e2e::FileExists;
using e2e::RunOptions;
using e2e::RunResult;
using e2e::Sandbox;
using Lines = std::vector<std::string>;

using expected::Added;
using expected::kCreated;
using expected::kIncNoSupportFile;
using expected::kModeSet;
using expected::kNoSupportFile;
using expected::kTitle;

bool Contains(const Lines& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(Run, SomeFilesRejectedShowsTheBoxBeforeTheLibraryStarts) {
  Sandbox box;
  const std::string good1 = e2e::AcceptedPhoto(0), good2 = e2e::AcceptedPhoto(1);
  const std::string missing = box.Path("moved away.jpg");
  std::string list = box.WriteFile("photos.txt", good1 + "\r\n" + missing + "\r\n" + good2 + "\r\n");
  bool lockedWhileShown = false;
  RunOptions options{{"fcc", list}};
  options.whileShown = [&](const e2e::ShownBox&) { lockedWhileShown = !e2e::CanLock(list); };
  RunResult run = box.Run(options);

  ASSERT_TRUE(run.exited) << run.terminal;
  EXPECT_EQ(run.exitStatus, 0);
  ASSERT_EQ(run.boxes.size(), 1u) << run.terminal;
  EXPECT_EQ(run.boxes[0].title, kTitle);
  EXPECT_EQ(run.boxes[0].icon, "(X)");
  EXPECT_EQ(run.boxes[0].text, kIncNoSupportFile);
  EXPECT_TRUE(lockedWhileShown);
  std::string before = run.boxes[0].traceWhenShown;
  EXPECT_EQ(before, kCreated + "\n" + kModeSet + "\n" + Added(good1, 0) + "\n" +
                        Added(missing, expected::kMissingFileCode) + "\n" + Added(good2, 0) + "\n");
  EXPECT_EQ(box.Trace(), before + "VSLibStart(0)\nVSLibClose()\n");
  EXPECT_FALSE(FileExists(list));
}

struct NothingToStart {
  const char* name;
  std::string listBytes;  // written unless missing
  bool missing;
  Lines reading;
};

TEST(Run, NothingUsableShowsNoSupportFileClosesAndDeletes) {
  Sandbox box;
  const std::string missing = box.Path("gone.jpg");
  const std::string notImage = box.WriteFile("notes.jpg", "not an image at all");
  const NothingToStart cases[] = {
      {"empty list", "", false, {}},
      {"only Ctrl-Z", "\x1A" + e2e::AcceptedPhoto(0) + "\n", false, {}},
      {"missing list", "", true, {}},
      {"every file rejected", missing + "\n" + notImage + "\n", false,
       {Added(missing, expected::kMissingFileCode), Added(notImage, expected::kNotAnImageCode)}},
  };
  for (const NothingToStart& c : cases) {
    std::string list = box.Path("photos.txt");
    if (!c.missing) box.WriteFile("photos.txt", c.listBytes);
    unlink(box.Path("trace.txt").c_str());
    RunResult run = box.Run({{"fcc", list}});
    EXPECT_EQ(run.exitStatus, 0) << c.name;
    ASSERT_EQ(run.boxes.size(), 1u) << c.name << run.terminal;
    EXPECT_EQ(run.boxes[0].text, kNoSupportFile) << c.name;
    Lines expected{kCreated, kModeSet};
    expected.insert(expected.end(), c.reading.begin(), c.reading.end());
    Lines shown = expected;
    expected.push_back("VSLibClose()");
    EXPECT_EQ(box.TraceLines(), expected) << c.name;
    EXPECT_FALSE(Contains(box.TraceLines(), "VSLibStart(0)")) << c.name;
    EXPECT_FALSE(FileExists(list)) << c.name;
  }
}

TEST(Run, AListLockedByAnotherProcessCannotBeOpened) {
  Sandbox box;
  std::string list = box.WriteFile("photos.txt", e2e::AcceptedPhoto(0) + "\n");
  int holder = open(list.c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(flock(holder, LOCK_EX), 0);
  RunResult run = box.Run({{"fcc", list}});
  close(holder);
  EXPECT_EQ(run.exitStatus, 0);
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0].text, kNoSupportFile);
  EXPECT_EQ(box.TraceLines(), (Lines{kCreated, kModeSet, "VSLibClose()"}));
  // As on Windows, a list another process holds locked is not deleted.
  EXPECT_TRUE(FileExists(list));
}

TEST(Run, FailedCreationShowsTheCodeAndLeavesTheListUnread) {
  Sandbox box;
  std::string list = box.WriteFile("photos.txt", e2e::AcceptedPhoto(0) + "\n");
  RunResult run = box.Run({{"fcc", list}, {{"VSLIB_CREATE_RESULT", "-5"}}});
  EXPECT_EQ(run.exitStatus, 0);
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0].title, kTitle);
  EXPECT_EQ(run.boxes[0].text, "An error (-5) has occurred.");
  EXPECT_EQ(run.boxes[0].traceWhenShown, "VSLibCreate(0, 0, 0, 0) = -5\n");
  EXPECT_EQ(box.TraceLines(), (Lines{"VSLibCreate(0, 0, 0, 0) = -5", "VSLibClose()"}));
  EXPECT_FALSE(FileExists(list));
}

TEST(Run, RefusedModeSaysNothingAndDeletesTheList) {
  Sandbox box;
  std::string list = box.WriteFile("photos.txt", e2e::AcceptedPhoto(0) + "\n");
  RunResult run = box.Run({{"fcc", list}, {{"VSLIB_SETMODE_RESULT", "1"}}});
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_TRUE(run.boxes.empty()) << run.terminal;
  EXPECT_EQ(box.TraceLines(), (Lines{kCreated, "VSLibSetMode(2) = 1", "VSLibClose()"}));
  EXPECT_FALSE(FileExists(list));
}

TEST(Run, RefusedCommandLinesDoNothingAtAll) {
  Sandbox box;
  std::string list = box.WriteFile("photos.txt", e2e::AcceptedPhoto(0) + "\n");
  const Lines refused[] = {{}, {"fcc"}, {"FCC", list}, {"fcc", list, "more"}, {"--fcc", list},
                           {"", list}, {"-", list}, {"fcc ", list}};
  for (const Lines& args : refused) {
    RunResult run = box.Run({args});
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.exitStatus, 0) << ::testing::PrintToString(args);
    EXPECT_EQ(run.terminal, "") << ::testing::PrintToString(args);
    EXPECT_FALSE(FileExists(box.Path("trace.txt"))) << ::testing::PrintToString(args);
    EXPECT_TRUE(FileExists(list)) << ::testing::PrintToString(args);
  }
}

TEST(Run, AcceptedCommandLineForms) {
  Sandbox box;
  struct Form {
    Lines args;
    std::string listName;
  };
  const Form forms[] = {
      {{"-fcc", "photos.txt"}, "photos.txt"},            // a leading '-' is dropped
      {{"fcc", "my photos.txt"}, "my photos.txt"},       // blanks stay in the path
      {{"fcc", "-dash.txt"}, "dash.txt"},                // so is the path's
  };
  for (const Form& form : forms) {
    std::string list = box.WriteFile(form.listName, e2e::AcceptedPhoto(0) + "\n");
    unlink(box.Path("trace.txt").c_str());
    RunOptions options{form.args};
    options.workingDirectory = box.Dir();
    RunResult run = box.Run(options);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_TRUE(run.boxes.empty()) << run.terminal;
    EXPECT_EQ(box.TraceLines(), (Lines{kCreated, kModeSet, Added(e2e::AcceptedPhoto(0), 0),
                                       "VSLibStart(0)", "VSLibClose()"}))
        << ::testing::PrintToString(form.args);
    EXPECT_FALSE(FileExists(list)) << ::testing::PrintToString(form.args);
  }
}

TEST(Run, WithoutATerminalTheBoxGoesToStandardErrorAndTheRunGoesOn) {
  Sandbox box;
  std::string list = box.WriteFile("photos.txt", box.Path("gone.jpg") + "\n");
  RunOptions options{{"fcc", list}};
  options.withTerminal = false;
  RunResult run = box.Run(options);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.errorOutput, std::string("(X) ") + kTitle + "\n" + kNoSupportFile + "\n");
  EXPECT_TRUE(Contains(box.TraceLines(), "VSLibClose()"));
  EXPECT_FALSE(FileExists(list));
}

TEST(Run, ADirectoryIsNotAList) {
  Sandbox box;
  std::string dir = box.Path("folder");
  box.WriteFile("folder/inside.txt", "x");
  RunResult run = box.Run({{"fcc", dir}});
  EXPECT_EQ(run.exitStatus, 0);
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0].text, kNoSupportFile);
  EXPECT_TRUE(FileExists(dir));
}

}  // namespace
