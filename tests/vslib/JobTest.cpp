// The print job that VSLibStart writes: its folder, its manifest and the line
// that names it on standard output.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gmock/gmock.h>

#include "LibraryTest.h"
#include "TestImages.h"
#include "vslib/VSLib.h"
#include "vslib/ResultCodes.h"

namespace vslib_test {
namespace {

using ::testing::MatchesRegex;

class JobTest : public LibraryTest {
 protected:
  // Starts a job of the given files, all expected to be accepted.
  void StartJob(const std::vector<std::string>& paths) {
    OpenForFiles();
    for (const std::string& path : paths) ASSERT_EQ(VSLibAddFile(path.c_str(), 1), 0) << path;
    ASSERT_EQ(VSLibStart(0), 0);
    ASSERT_EQ(VSLibClose(), 0);
  }
};

TEST_F(JobTest, ManifestListsTheAcceptedImagesInOrder) {
  WriteJpeg(PathOf("first.jpg"), 640, 480);
  WritePng(PathOf("say \"hi\".png"), 300, 200);
  WriteBmp(PathOf("third.bmp"), 64, 100, true);
  OpenForFiles();
  ASSERT_EQ(VSLibAddFile(PathOf("first.jpg").c_str(), 1), 0);
  ASSERT_EQ(VSLibAddFile(PathOf("missing.jpg").c_str(), 1), vslib::kFileMissing);
  ASSERT_EQ(VSLibAddFile(PathOf("say \"hi\".png").c_str(), 1), 0);
  ASSERT_EQ(VSLibAddFile(PathOf("third.bmp").c_str(), 1), 0);
  ::testing::internal::CaptureStdout();
  const int32_t started = VSLibStart(0);
  const std::string announced = ::testing::internal::GetCapturedStdout();
  ASSERT_EQ(started, 0);

  const std::vector<std::string> folders = JobFolders();
  ASSERT_EQ(folders.size(), 1u);
  EXPECT_THAT(folders[0], MatchesRegex(".*/jobs/job-[0-9]{8}-[0-9]{6}"));
  EXPECT_EQ(ReadBytes(folders[0] + "/manifest.txt"),
            "\"" + PathOf("first.jpg") + "\" JPEG 640x480\n" +
            "\"" + PathOf("say \\\"hi\\\".png") + "\" PNG 300x200\n" +
            "\"" + PathOf("third.bmp") + "\" BMP 64x100\n");
  EXPECT_EQ(announced, "VSLIB: job started in " + folders[0] + " with 3 image(s)\n");
}

TEST_F(JobTest, EveryStartGetsAFolderOfItsOwn) {
  WriteJpeg(PathOf("a.jpg"), 640, 480);
  WriteGifHeader(PathOf("b.gif"), 100, 100);
  StartJob({PathOf("a.jpg")});
  StartJob({PathOf("b.gif")});
  StartJob({PathOf("a.jpg"), PathOf("b.gif")});

  const std::vector<std::string> folders = JobFolders();
  ASSERT_EQ(folders.size(), 3u);
  size_t manifestLines = 0;
  for (const std::string& folder : folders) {
    const std::string manifest = ReadBytes(folder + "/manifest.txt");
    manifestLines += static_cast<size_t>(std::count(manifest.begin(), manifest.end(), '\n'));
  }
  EXPECT_EQ(manifestLines, 4u);
}

TEST_F(JobTest, MissingJobFoldersAreCreated) {
  WriteJpeg(PathOf("a.jpg"), 640, 480);
  SetSetting("VSLIB_JOB_DIR", PathOf("deep/er/jobs/"));
  StartJob({PathOf("a.jpg")});
  std::error_code error;
  std::vector<std::string> found;
  for (const auto& entry : std::filesystem::directory_iterator(PathOf("deep/er/jobs"), error))
    found.push_back(entry.path().string());
  ASSERT_EQ(found.size(), 1u);
  EXPECT_THAT(found[0], MatchesRegex(".*/deep/er/jobs/job-[0-9]{8}-[0-9]{6}"));
  EXPECT_TRUE(std::filesystem::is_regular_file(found[0] + "/manifest.txt"));
}

TEST_F(JobTest, DefaultJobDirectoryIsInTheCurrentDirectory) {
  WriteJpeg(PathOf("a.jpg"), 640, 480);
  ClearSetting("VSLIB_JOB_DIR");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(PathOf(""));
  StartJob({PathOf("a.jpg")});
  std::filesystem::current_path(before);
  EXPECT_TRUE(std::filesystem::is_directory(PathOf("vslib-jobs")));
  EXPECT_FALSE(std::filesystem::is_empty(PathOf("vslib-jobs")));
}

TEST_F(JobTest, AJobThatCannotBeWrittenIsReported) {
  WriteJpeg(PathOf("a.jpg"), 640, 480);
  WriteBytes(PathOf("jobs"), "a file where the job directory should be");
  OpenForFiles();
  ASSERT_EQ(VSLibAddFile(PathOf("a.jpg").c_str(), 1), 0);
  EXPECT_EQ(VSLibStart(0), vslib::kJobNotWritten);
  EXPECT_EQ(VSLibClose(), 0);
}

}  // namespace
}  // namespace vslib_test
