// The whole run as the caller starts it: the boxes on the terminal, the
// library's trace, the list file and the exit status.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "common/ExpectedRun.h"
#include "common/Scenarios.h"
#include "e2e/Harness.h"
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

// The runs that every build checks alike, on the terminal here.
class TerminalSuite {
 public:
  std::string PhotoPath(scenarios::Photo photo) const {
    switch (photo) {
      case scenarios::Photo::kAccepted0:
        return e2e::AcceptedPhoto(0);
      case scenarios::Photo::kAccepted1:
        return e2e::AcceptedPhoto(1);
      case scenarios::Photo::kMissing:
        return m_box.Path("moved away.jpg");
      case scenarios::Photo::kNotAnImage:
        return m_box.WriteFile("notes.jpg", "not an image at all");
    }
    return std::string();
  }
  std::string ListPath() const { return m_box.Path("photos.txt"); }
  void WriteList(const std::string& bytes) const { m_box.WriteFile("photos.txt", bytes); }
  void RemoveList() const { unlink(ListPath().c_str()); }
  void RemoveTrace() const { unlink(m_box.Path("trace.txt").c_str()); }
  Lines TraceLines() const { return m_box.TraceLines(); }
  bool Exists(const std::string& path) const { return FileExists(path); }

  scenarios::Observed Run(const Lines& args, const std::map<std::string, std::string>& env) const {
    RunResult run = m_box.Run(RunOptions(args, env));
    scenarios::Observed observed;
    observed.exited = run.exited;
    observed.exitStatus = run.exitStatus;
    for (const e2e::ShownBox& shown : run.boxes) {
      EXPECT_EQ(shown.icon, "(X)");  // the error style of every box of the hand-off
      observed.boxes.push_back({shown.title, shown.text, shown.traceWhenShown});
    }
    // A run that shows no box writes nothing on the terminal but what the
    // library itself prints when its job starts.
    if (run.boxes.empty() && run.terminal.rfind("VSLIB: job started", 0) != 0) {
      EXPECT_EQ(run.terminal, "");
    }
    return observed;
  }

 private:
  Sandbox m_box;
};

TEST(Run, TheRunsEveryBuildShares) {
  TerminalSuite suite;
  for (const scenarios::Scenario& row : scenarios::HandOffScenarios()) scenarios::CheckScenario(suite, row);
}

TEST(Run, TheListStaysLockedWhileTheBoxWaits) {
  Sandbox box;
  std::string list = box.WriteFile("photos.txt", e2e::AcceptedPhoto(0) + "\n" + box.Path("gone.jpg") + "\n");
  bool lockedWhileShown = false;
  RunOptions options{{"fcc", list}};
  options.whileShown = [&](const e2e::ShownBox&) { lockedWhileShown = !e2e::CanLock(list); };
  RunResult run = box.Run(options);
  ASSERT_EQ(run.boxes.size(), 1u) << run.terminal;
  EXPECT_TRUE(lockedWhileShown);
  EXPECT_FALSE(FileExists(list));
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
  // Linux lets a locked file be unlinked, so the attempted deletion succeeds.
  EXPECT_FALSE(FileExists(list));
}

TEST(Run, AListEndsAtCtrlZ) {
  Sandbox box;
  std::string list = box.WriteFile("photos.txt", "\x1A" + e2e::AcceptedPhoto(0) + "\n");
  RunResult run = box.Run({{"fcc", list}});
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0].text, kNoSupportFile);
  EXPECT_EQ(box.TraceLines(), (Lines{kCreated, kModeSet, "VSLibClose()"}));
}

TEST(Run, RelativePathsAndBlanksReachTheLibraryAsGiven) {
  Sandbox box;
  struct Form {
    Lines args;
    std::string listName;
  };
  const Form forms[] = {
      {{"fcc", "my photos.txt"}, "my photos.txt"},       // blanks stay in the path
      {{"fcc", "-dash.txt"}, "dash.txt"},                // a leading '-' of the path is dropped too
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
