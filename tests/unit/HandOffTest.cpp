// One run of the hand-off against the recording fakes: the calls on the
// imaging library, the boxes, the list's open, close and deletion, in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/TELLANApp.h"
#include "app/TELLANDlg.h"
#include "fakes/FakeSettings.h"
#include "fakes/Fakes.h"
#include "handoff/HandOff.h"
#include "platform/Services.h"
#include "res/resource.h"

namespace {

using Events = std::vector<std::string>;

const char kList[] = "list.txt";

struct HandOffRun {
  fakes::FakeEnvironment env;
  fakes::FakeSettings settings;  // an empty settings store: built-in texts

  Events Go(std::vector<std::string> params = {"fcc", kList}) {
    theApp.SetParameters(std::move(params));
    CTELLANDlg dlg;
    EXPECT_EQ(dlg.OnInitDialog(), 0);
    EXPECT_TRUE(dlg.IsEnded());
    EXPECT_EQ(dlg.GetEndCode(), 0);
    theApp.SetParameters({});
    return fakes::Events();
  }
  void List(std::string bytes) { env.files.files[kList].bytes = std::move(bytes); }
  void Reject(std::set<std::string> paths) {
    fakes::VSLib().addFile = [paths](const std::string& p) { return paths.count(p) != 0 ? 7 : 0; };
  }
};

const std::string kBox = "MessageBox(Ordex Vistello (MRV))";
const Events kOpening = {"VSLibCreate(0, 0, 0, 0)", "VSLibSetMode(2)", "OpenList(list.txt)"};

Events Concat(Events a, const Events& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(HandOff, AllAcceptedStartsWithoutABox) {
  HandOffRun run;
  run.List("a.jpg\r\nb.jpg\n");
  EXPECT_EQ(run.Go(), Concat(kOpening, {"VSLibAddFile(a.jpg, 1)", "VSLibAddFile(b.jpg, 1)",
                                        "CloseList(list.txt)", "VSLibStart(0)", "VSLibClose()",
                                        "Delete(list.txt)"}));
  EXPECT_TRUE(run.env.messageBox.boxes.empty());
}

TEST(HandOff, SomeRejectedShowsTheBoxBeforeStartingWithTheListStillOpen) {
  HandOffRun run;
  run.List("a.jpg\nb.jpg\nc.jpg");
  run.Reject({"b.jpg"});
  EXPECT_EQ(run.Go(), Concat(kOpening, {"VSLibAddFile(a.jpg, 1)", "VSLibAddFile(b.jpg, 1)",
                                        "VSLibAddFile(c.jpg, 1)", kBox, "CloseList(list.txt)",
                                        "VSLibStart(0)", "VSLibClose()", "Delete(list.txt)"}));
  ASSERT_EQ(run.env.messageBox.boxes.size(), 1u);
  EXPECT_EQ(run.env.messageBox.boxes[0].text, platform::LoadStringA(IDS_MSG_INC_NO_SUPPORT_FILE));
  EXPECT_EQ(run.env.messageBox.boxes[0].style, 0x10u);
}

TEST(HandOff, RejectedEmptyLineCountsAsARejectedFile) {
  HandOffRun run;
  run.List("a.jpg\n\nb.jpg\n");
  run.Reject({""});
  Events events = run.Go();
  EXPECT_EQ(events[4], "VSLibAddFile(, 1)");
  ASSERT_EQ(run.env.messageBox.boxes.size(), 1u);
  EXPECT_EQ(run.env.messageBox.boxes[0].text, platform::LoadStringA(IDS_MSG_INC_NO_SUPPORT_FILE));
  EXPECT_NE(std::find(events.begin(), events.end(), "VSLibStart(0)"), events.end());
}

struct NothingToStart {
  const char* name;
  bool listExists;
  bool locked;
  std::string bytes;
  std::set<std::string> rejected;
  Events reading;
};

TEST(HandOff, NothingUsableShowsNoSupportFileAndStillClosesAndDeletes) {
  const NothingToStart cases[] = {
      {"missing list", false, false, "", {}, {"OpenListFailed(list.txt)"}},
      {"list open elsewhere", true, true, "a.jpg\n", {}, {"OpenListFailed(list.txt)"}},
      {"empty list", true, false, "", {}, {"OpenList(list.txt)"}},
      {"only Ctrl-Z", true, false, "\x1A" "a.jpg\n", {}, {"OpenList(list.txt)"}},
      {"all rejected", true, false, "a\nb\nc\n", {"a", "b", "c"},
       {"OpenList(list.txt)", "VSLibAddFile(a, 1)", "VSLibAddFile(b, 1)", "VSLibAddFile(c, 1)"}},
  };
  for (const NothingToStart& c : cases) {
    HandOffRun run;
    if (c.listExists) run.List(c.bytes);
    if (c.locked) run.env.files.lockedElsewhere.insert(kList);
    run.Reject(c.rejected);
    Events expected = Concat({"VSLibCreate(0, 0, 0, 0)", "VSLibSetMode(2)"}, c.reading);
    expected.push_back(kBox);
    if (c.reading[0] == "OpenList(list.txt)") expected.push_back("CloseList(list.txt)");
    expected.push_back("VSLibClose()");
    expected.push_back("Delete(list.txt)");
    EXPECT_EQ(run.Go(), expected) << c.name;
    ASSERT_EQ(run.env.messageBox.boxes.size(), 1u) << c.name;
    EXPECT_EQ(run.env.messageBox.boxes[0].text, platform::LoadStringA(IDS_MSG_NO_SUPPORT_FILE)) << c.name;
    EXPECT_EQ(run.env.messageBox.boxes[0].caption, "Ordex Vistello (MRV)") << c.name;
  }
}

TEST(HandOff, FailedCreationShowsTheCodeThenClosesAndDeletesUnread) {
  for (int code : {-5, 0x7FFFFFFF, static_cast<int>(0x80000000u)}) {
    HandOffRun run;
    run.List("a.jpg\n");
    fakes::VSLib().createResult = code;
    EXPECT_EQ(run.Go(), (Events{"VSLibCreate(0, 0, 0, 0)", kBox, "VSLibClose()", "Delete(list.txt)"}));
    ASSERT_EQ(run.env.messageBox.boxes.size(), 1u);
    EXPECT_EQ(run.env.messageBox.boxes[0].text, "An error (" + std::to_string(code) + ") has occurred.");
  }
}

TEST(HandOff, RefusedModeShowsNothingAndDeletesUnread) {
  HandOffRun run;
  run.List("a.jpg\n");
  fakes::VSLib().setModeResult = 3;
  EXPECT_EQ(run.Go(), (Events{"VSLibCreate(0, 0, 0, 0)", "VSLibSetMode(2)", "VSLibClose()",
                              "Delete(list.txt)"}));
  EXPECT_TRUE(run.env.messageBox.boxes.empty());
}

TEST(HandOff, RefusedCommandLineTouchesNothing) {
  const std::vector<std::string> refused[] = {{}, {"fcc"}, {"FCC", kList}, {"fcc", kList, "x"}};
  for (const auto& params : refused) {
    HandOffRun run;
    run.List("a.jpg\n");
    EXPECT_EQ(run.Go(params), Events{}) << ::testing::PrintToString(params);
    EXPECT_TRUE(run.env.messageBox.boxes.empty());
  }
}

TEST(HandOff, ReadErrorMidListStartsNothingClosesAndKeepsTheList) {
  HandOffRun run;
  run.List("a.jpg\nb.jpg\nc.jpg\n");
  run.env.files.files[kList].failAfter = 8;
  EXPECT_EQ(run.Go(), Concat(kOpening, {"VSLibAddFile(a.jpg, 1)", kBox, "CloseList(list.txt)",
                                        "VSLibClose()"}));
  ASSERT_EQ(run.env.messageBox.boxes.size(), 1u);
  EXPECT_EQ(run.env.messageBox.boxes[0].text, platform::LoadStringA(IDS_MSG_NO_SUPPORT_FILE));
}

TEST(HandOff, LongLinesAreHandedOverWhole) {
  HandOffRun run;
  std::string l128(128, 'x'), l256(256, 'y'), l1000(1000, 'z');
  run.List(l128 + "\n" + l256 + "\r\n" + l1000);
  Events events = run.Go();
  ASSERT_GE(events.size(), 6u);
  EXPECT_EQ(events[3], "VSLibAddFile(" + l128 + ", 1)");
  EXPECT_EQ(events[4], "VSLibAddFile(" + l256 + ", 1)");
  EXPECT_EQ(events[5], "VSLibAddFile(" + l1000 + ", 1)");
}

}  // namespace

namespace {

// The submission on its own, without a dialog: its one outcome value and
// whether the user was told.
TEST(SubmitPhotoList, OutcomeOfEachKindOfList) {
  using handoff::Submission;
  struct Case {
    const char* what;
    const char* bytes;  // null: no such list
    long failAfter;
    Submission expected;
    bool boxShown;
  };
  const Case cases[] = {
      {"all accepted", "a.jpg\n", -1, Submission::kStartLibrary, false},
      {"some rejected", "a.jpg\nbad.jpg\n", -1, Submission::kStartLibrary, true},
      {"all rejected", "bad.jpg\n", -1, Submission::kNothingToStart, true},
      {"no line", "", -1, Submission::kNothingToStart, true},
      {"missing list", nullptr, -1, Submission::kNothingToStart, true},
      {"read error", "a.jpg\nb.jpg\n", 3, Submission::kListUnread, true},
  };
  for (const Case& c : cases) {
    HandOffRun run;
    if (c.bytes != nullptr) {
      run.List(c.bytes);
      run.env.files.files[kList].failAfter = c.failAfter;
    }
    run.Reject({"bad.jpg"});
    EXPECT_EQ(handoff::SubmitPhotoList(kList), c.expected) << c.what;
    EXPECT_EQ(run.env.messageBox.boxes.size(), c.boxShown ? 1u : 0u) << c.what;
  }
}

}  // namespace
