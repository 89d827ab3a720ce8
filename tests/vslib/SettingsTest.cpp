// The results forced through the environment, and what the library does once
// the caller has been given them.
#include <string>

#include "LibraryTest.h"
#include "TestImages.h"
#include "vslib/VSLib.h"
#include "vslib/ResultCodes.h"

namespace vslib_test {
namespace {

using SettingsTest = LibraryTest;

TEST_F(SettingsTest, ForcedCreateResultIsReturnedAndTraced) {
  SetSetting("VSLIB_CREATE_RESULT", "-5");
  EXPECT_EQ(VSLibCreate(0, 0, 0, 0), -5);
  EXPECT_EQ(VSLibSetMode(2), vslib::kOutOfOrder) << "the caller was told the creation failed";
  EXPECT_EQ(VSLibClose(), 0);
  ASSERT_FALSE(TraceLines().empty());
  EXPECT_EQ(TraceLines()[0], "VSLibCreate(0, 0, 0, 0) = -5");
}

TEST_F(SettingsTest, ForcedSuccessLetsTheRunGoOn) {
  SetSetting("VSLIB_CREATE_RESULT", "0");
  EXPECT_EQ(VSLibCreate(7, 0, 0, 0), 0);
  EXPECT_EQ(VSLibSetMode(2), 0);
}

TEST_F(SettingsTest, ForcedSetModeResultRefusesTheMode) {
  SetSetting("VSLIB_SETMODE_RESULT", "3");
  EXPECT_EQ(VSLibCreate(0, 0, 0, 0), 0);
  EXPECT_EQ(VSLibSetMode(2), 3);
  WriteJpeg(PathOf("a.jpg"), 640, 480);
  EXPECT_EQ(VSLibAddFile(PathOf("a.jpg").c_str(), 1), vslib::kOutOfOrder);
  EXPECT_EQ(VSLibClose(), 0);
}

TEST_F(SettingsTest, OnlyWholeSigned32BitDecimalsAreTaken) {
  const struct {
    const char* value;
    int32_t expected;
  } cases[] = {
      {"+7", 7},
      {"-2147483648", INT32_MIN},
      {"2147483647", INT32_MAX},
      {"2147483648", 0},
      {"-2147483649", 0},
      {"", 0},
      {"abc", 0},
      {"5x", 0},
      {" 5", 0},
      {"0x10", 0},
      {"-", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("VSLIB_CREATE_RESULT=\"") + c.value + "\"");
    SetSetting("VSLIB_CREATE_RESULT", c.value);
    EXPECT_EQ(VSLibCreate(0, 0, 0, 0), c.expected);
    VSLibClose();
  }
}

}  // namespace
}  // namespace vslib_test
