// Which files VSLibAddFile accepts for printing, and the reason it gives for
// each one it refuses.
#include <sys/stat.h>

#include <functional>
#include <string>
#include <vector>

#include "LibraryTest.h"
#include "TestImages.h"
#include "vslib/VSLib.h"
#include "vslib/ResultCodes.h"

namespace vslib_test {
namespace {

struct FileCase {
  const char* name;  // also the file's name in the test folder
  std::function<void(const std::string& path)> make;
  int32_t expected;
};

class ImageVerdictTest : public LibraryTest {
 protected:
  void ExpectVerdicts(const std::vector<FileCase>& cases) {
    OpenForFiles();
    for (const FileCase& c : cases) {
      SCOPED_TRACE(c.name);
      const std::string path = PathOf(c.name);
      c.make(path);
      EXPECT_EQ(VSLibAddFile(path.c_str(), 1), c.expected);
    }
  }
};

TEST_F(ImageVerdictTest, AcceptsPrintableImagesOfEveryFormat) {
  ExpectVerdicts({
      {"photo.jpg", [](const std::string& p) { WriteJpeg(p, 640, 480); }, vslib::kOk},
      {"photo.png", [](const std::string& p) { WritePng(p, 800, 600); }, vslib::kOk},
      {"photo.bmp", [](const std::string& p) { WriteBmp(p, 100, 80); }, vslib::kOk},
      {"top-down.bmp", [](const std::string& p) { WriteBmp(p, 100, 80, true); }, vslib::kOk},
      {"photo.gif", [](const std::string& p) { WriteGifHeader(p, 300, 200); }, vslib::kOk},
      // The name does not decide the format, the content does.
      {"png-named.jpg", [](const std::string& p) { WritePng(p, 64, 64); }, vslib::kOk},
      {"no-extension", [](const std::string& p) { WriteJpeg(p, 64, 64); }, vslib::kOk},
  });
}

TEST_F(ImageVerdictTest, MissingOrUnreadableFiles) {
  OpenForFiles();
  EXPECT_EQ(VSLibAddFile("", 1), vslib::kFileMissing);
  EXPECT_EQ(VSLibAddFile(nullptr, 1), vslib::kFileMissing);
  EXPECT_EQ(VSLibAddFile(PathOf("absent.jpg").c_str(), 1), vslib::kFileMissing);
  ASSERT_EQ(mkdir(PathOf("folder.jpg").c_str(), 0755), 0);
  EXPECT_EQ(VSLibAddFile(PathOf("folder.jpg").c_str(), 1), vslib::kFileMissing);
  // The path is used exactly as given: a blank or CR around it is part of it.
  WriteJpeg(PathOf("photo.jpg"), 640, 480);
  EXPECT_EQ(VSLibAddFile((PathOf("photo.jpg") + "\r").c_str(), 1), vslib::kFileMissing);
  EXPECT_EQ(VSLibAddFile((" " + PathOf("photo.jpg")).c_str(), 1), vslib::kFileMissing);
}

TEST_F(ImageVerdictTest, NotAnImageOrCorruptHeader) {
  ExpectVerdicts({
      {"empty.jpg", [](const std::string& p) { WriteBytes(p, ""); }, vslib::kNotAnImage},
      {"text.jpg", [](const std::string& p) { WriteBytes(p, "holiday photos\n"); }, vslib::kNotAnImage},
      {"tiff.tif", [](const std::string& p) { WriteBytes(p, std::string("II*\0\x08\0\0\0", 8)); },
       vslib::kNotAnImage},
      {"soi-only.jpg", [](const std::string& p) { WriteBytes(p, "\xFF\xD8\xFF"); }, vslib::kNotAnImage},
      {"cut-in-header.png",
       [](const std::string& p) {
         WritePng(p, 800, 600);
         WriteBytes(p, ReadBytes(p).substr(0, 20));
       },
       vslib::kNotAnImage},
      {"cut-in-header.jpg",
       [](const std::string& p) {
         WriteJpeg(p, 640, 480);
         WriteBytes(p, ReadBytes(p).substr(0, 40));
       },
       vslib::kNotAnImage},
      {"zero-width.png", [](const std::string& p) { WritePngHeader(p, 0, 600); }, vslib::kNotAnImage},
      {"zero-height.gif", [](const std::string& p) { WriteGifHeader(p, 300, 0); }, vslib::kNotAnImage},
      {"bad-version.gif",
       [](const std::string& p) {
         WriteGifHeader(p, 300, 200);
         std::string bytes = ReadBytes(p);
         bytes[4] = '5';
         WriteBytes(p, bytes);
       },
       vslib::kNotAnImage},
      {"negative-width.bmp",
       [](const std::string& p) {
         WriteBmp(p, 100, 80);
         std::string bytes = ReadBytes(p);
         bytes[21] = '\xFF';  // width's high byte: negative
         WriteBytes(p, bytes);
       },
       vslib::kNotAnImage},
      {"lowest-height.bmp",
       [](const std::string& p) {
         WriteBmp(p, 100, 80);
         std::string bytes = ReadBytes(p);
         bytes.replace(22, 4, std::string("\0\0\0\x80", 4));  // INT32_MIN has no top-down size
         WriteBytes(p, bytes);
       },
       vslib::kNotAnImage},
  });
}

TEST_F(ImageVerdictTest, SidesOutsideThePrintLimits) {
  ExpectVerdicts({
      {"smallest.gif", [](const std::string& p) { WriteGifHeader(p, 64, 64); }, vslib::kOk},
      {"largest.png", [](const std::string& p) { WritePngHeader(p, 20000, 5000); }, vslib::kOk},
      {"one-pixel.png", [](const std::string& p) { WritePng(p, 1, 1); }, vslib::kBadDimensions},
      {"narrow.gif", [](const std::string& p) { WriteGifHeader(p, 63, 100); }, vslib::kBadDimensions},
      {"low.jpg", [](const std::string& p) { WriteJpeg(p, 100, 63); }, vslib::kBadDimensions},
      {"wide.png", [](const std::string& p) { WritePngHeader(p, 20001, 6000); }, vslib::kBadDimensions},
      {"tall.gif", [](const std::string& p) { WriteGifHeader(p, 6000, 20001); }, vslib::kBadDimensions},
      // Too many pixels for the header reader's decoder: still a size verdict.
      {"huge.png", [](const std::string& p) { WritePngHeader(p, 40000, 40000); }, vslib::kBadDimensions},
      {"largest-declared.png", [](const std::string& p) { WritePngHeader(p, 0x7FFFFFFF, 0x7FFFFFFF); },
       vslib::kBadDimensions},
      // Too small wins over the aspect ratio.
      {"thin-strip.gif", [](const std::string& p) { WriteGifHeader(p, 2000, 10); }, vslib::kBadDimensions},
  });
}

TEST_F(ImageVerdictTest, AspectRatioAboveFour) {
  ExpectVerdicts({
      {"four-to-one.gif", [](const std::string& p) { WriteGifHeader(p, 256, 64); }, vslib::kOk},
      {"one-to-four.gif", [](const std::string& p) { WriteGifHeader(p, 64, 256); }, vslib::kOk},
      {"just-over.gif", [](const std::string& p) { WriteGifHeader(p, 257, 64); }, vslib::kBadAspectRatio},
      {"just-over-tall.gif", [](const std::string& p) { WriteGifHeader(p, 64, 257); }, vslib::kBadAspectRatio},
      {"panorama.jpg", [](const std::string& p) { WriteJpeg(p, 2000, 100); }, vslib::kBadAspectRatio},
      {"top-down-strip.bmp", [](const std::string& p) { WriteBmp(p, 64, 300, true); },
       vslib::kBadAspectRatio},
  });
}

}  // namespace
}  // namespace vslib_test
