// The Windows program under Wine, started as its caller starts it: the boxes
// it really shows, the library's trace, the list file and the exit status.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "WineRun.h"
#include "common/ExpectedRun.h"
#include "common/Scenarios.h"

namespace {

using Lines = std::vector<std::string>;
using winrun::FileExists;
using winrun::RunResult;
using winrun::Sandbox;

using expected::kCreated;
using expected::kModeSet;
using expected::kNoSupportFile;
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

// The runs that every build checks alike, with real message boxes here.
class WindowsSuite {
 public:
  std::string PhotoPath(scenarios::Photo photo) const {
    switch (photo) {
      case scenarios::Photo::kAccepted0:
        return winrun::AcceptedPhoto(m_sandbox, 0);
      case scenarios::Photo::kAccepted1:
        return winrun::AcceptedPhoto(m_sandbox, 1);
      case scenarios::Photo::kMissing:
        return m_sandbox.Path("moved away.jpg");
      case scenarios::Photo::kNotAnImage:
        return m_sandbox.WriteFile("notes.jpg", "not an image at all");
    }
    return std::string();
  }
  std::string ListPath() const { return m_sandbox.Path("photos.txt"); }
  void WriteList(const std::string& bytes) const { m_sandbox.WriteFile("photos.txt", bytes); }
  void RemoveList() const { ::DeleteFileA(ListPath().c_str()); }
  void RemoveTrace() const { m_sandbox.RemoveTrace(); }
  Lines TraceLines() const { return m_sandbox.TraceLines(); }
  bool Exists(const std::string& path) const { return FileExists(path); }

  scenarios::Observed Run(const Lines& args, const std::map<std::string, std::string>& env) const {
    RunResult run = m_sandbox.Run(args, env);
    ExpectWellBehaved(run, ::testing::PrintToString(args));
    scenarios::Observed observed;
    observed.exited = run.exited;
    observed.exitStatus = static_cast<long>(run.exitCode);
    for (const winrun::ShownBox& box : run.boxes) observed.boxes.push_back({box.title, box.text, box.traceWhenShown});
    return observed;
  }

 private:
  Sandbox m_sandbox;
};

TEST(WineRun, TheRunsEveryBuildShares) {
  WindowsSuite suite;
  std::vector<scenarios::Scenario> rows = scenarios::HandOffScenarios();
  // Windows takes '/' as a switch character too.
  const Lines refused = {"//fcc", scenarios::kListArgument};
  rows.push_back({"refused command line", refused, true, {scenarios::Photo::kAccepted0}, "\n", {}, false,
                  nullptr, false, false});
  rows.push_back({"/fcc", {"/fcc", scenarios::kListArgument}, true, {scenarios::Photo::kAccepted0}, "\n", {},
                  true, nullptr, true, true});
  for (const scenarios::Scenario& row : rows) scenarios::CheckScenario(suite, row);
}

TEST(WineRun, TheHostDialogExistsButIsNeverVisible) {
  Sandbox sandbox;
  std::string list = sandbox.WriteFile("photos.txt", sandbox.Path("gone.jpg") + "\n");
  RunResult run = sandbox.Run({"fcc", list});
  ExpectWellBehaved(run, "host dialog");
  EXPECT_TRUE(run.hostSeen);
  EXPECT_EQ(run.boxes.size(), 1u);
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

}  // namespace
