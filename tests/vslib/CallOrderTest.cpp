// The order of calls the library allows, and the codes for arguments and
// orders it does not know.
#include "LibraryTest.h"
#include "TestImages.h"
#include "vslib/VSLib.h"
#include "vslib/ResultCodes.h"

namespace vslib_test {
namespace {

using CallOrderTest = LibraryTest;

TEST_F(CallOrderTest, TheHandOffRunSucceedsStepByStep) {
  WriteJpeg(PathOf("a.jpg"), 640, 480);
  EXPECT_EQ(VSLibCreate(0, 0, 0, 0), 0);
  EXPECT_EQ(VSLibSetMode(2), 0);
  EXPECT_EQ(VSLibAddFile(PathOf("a.jpg").c_str(), 1), 0);
  EXPECT_EQ(VSLibStart(0), 0);
  EXPECT_EQ(VSLibClose(), 0);
}

TEST_F(CallOrderTest, ArgumentsOtherThanTheContractsAreRefused) {
  EXPECT_EQ(VSLibCreate(0, 0, 0, 1), vslib::kBadArgument);
  EXPECT_EQ(VSLibSetMode(2), vslib::kOutOfOrder) << "a failed creation leaves only VSLibClose";
  EXPECT_EQ(VSLibClose(), 0);

  EXPECT_EQ(VSLibCreate(0, 0, 0, 0), 0);
  EXPECT_EQ(VSLibSetMode(1), vslib::kUnsupportedMode);
  EXPECT_EQ(VSLibSetMode(-2), vslib::kUnsupportedMode);
  EXPECT_EQ(VSLibSetMode(2), 0) << "a refused mode leaves the library created";
  WriteJpeg(PathOf("a.jpg"), 640, 480);
  EXPECT_EQ(VSLibAddFile(PathOf("a.jpg").c_str(), 0), vslib::kBadArgument);
  EXPECT_EQ(VSLibStart(0), vslib::kNothingToStart) << "a file refused for its flag is not accepted";
  EXPECT_EQ(VSLibAddFile(PathOf("a.jpg").c_str(), 1), 0);
  EXPECT_EQ(VSLibStart(1), vslib::kBadArgument);
  EXPECT_EQ(VSLibStart(0), 0);
}

TEST_F(CallOrderTest, CallsOutOfOrderAreRefused) {
  WriteJpeg(PathOf("a.jpg"), 640, 480);
  EXPECT_EQ(VSLibClose(), vslib::kNoSession) << "nothing to close yet";
  EXPECT_EQ(VSLibSetMode(2), vslib::kNoSession);
  EXPECT_EQ(VSLibAddFile(PathOf("a.jpg").c_str(), 1), vslib::kNoSession);
  EXPECT_EQ(VSLibStart(0), vslib::kNoSession);

  EXPECT_EQ(VSLibCreate(0, 0, 0, 0), 0);
  EXPECT_EQ(VSLibCreate(0, 0, 0, 0), vslib::kOutOfOrder);
  EXPECT_EQ(VSLibAddFile(PathOf("a.jpg").c_str(), 1), vslib::kOutOfOrder) << "no mode set";
  EXPECT_EQ(VSLibStart(0), vslib::kOutOfOrder);
  EXPECT_EQ(VSLibSetMode(2), 0);
  EXPECT_EQ(VSLibSetMode(2), vslib::kOutOfOrder);
  EXPECT_EQ(VSLibStart(0), vslib::kNothingToStart);
  EXPECT_EQ(VSLibAddFile(PathOf("a.jpg").c_str(), 1), 0);
  EXPECT_EQ(VSLibStart(0), 0);
  EXPECT_EQ(VSLibStart(0), vslib::kOutOfOrder) << "one job per session";
  EXPECT_EQ(VSLibAddFile(PathOf("a.jpg").c_str(), 1), vslib::kOutOfOrder);
}

TEST_F(CallOrderTest, AfterCloseOnlyANewSessionIsAllowed) {
  WriteJpeg(PathOf("a.jpg"), 640, 480);
  OpenForFiles();
  EXPECT_EQ(VSLibAddFile(PathOf("a.jpg").c_str(), 1), 0);
  EXPECT_EQ(VSLibClose(), 0);

  EXPECT_EQ(VSLibSetMode(2), vslib::kNoSession);
  EXPECT_EQ(VSLibAddFile(PathOf("a.jpg").c_str(), 1), vslib::kNoSession);
  EXPECT_EQ(VSLibStart(0), vslib::kNoSession);
  EXPECT_EQ(VSLibClose(), vslib::kNoSession);
  EXPECT_TRUE(JobFolders().empty()) << "closing without a start writes no job";

  OpenForFiles();
  EXPECT_EQ(VSLibStart(0), vslib::kNothingToStart) << "files of the closed session are gone";
}

}  // namespace
}  // namespace vslib_test
