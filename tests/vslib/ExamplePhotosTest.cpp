// The example photos shipped in examples/photos get the verdicts their
// README promises.
#include <string>

#include "LibraryTest.h"
#include "vslib/VSLib.h"
#include "vslib/ResultCodes.h"

namespace vslib_test {
namespace {

using ExamplePhotosTest = LibraryTest;

TEST_F(ExamplePhotosTest, ThreeArePrintedAndThePanoramaIsRejected) {
  const struct {
    const char* name;
    int32_t expected;
  } photos[] = {
      {"harbour.jpg", vslib::kOk},
      {"meadow.png", vslib::kOk},
      {"lighthouse.bmp", vslib::kOk},
      {"panorama.jpg", vslib::kBadAspectRatio},
  };
  OpenForFiles();
  for (const auto& photo : photos) {
    const std::string path = std::string(TELLAN_EXAMPLE_PHOTOS_DIR) + "/" + photo.name;
    EXPECT_EQ(VSLibAddFile(path.c_str(), 1), photo.expected) << path;
  }
}

}  // namespace
}  // namespace vslib_test
