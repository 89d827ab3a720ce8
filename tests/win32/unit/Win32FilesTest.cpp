// The photo list's file calls on the real file system.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/SystemServices.h"

namespace {

class TempFolder {
 public:
  TempFolder() {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    m_dir = std::string(temp) + "tellan-files-" + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(m_dir.c_str(), nullptr);
  }
  ~TempFolder() { ::RemoveDirectoryA(m_dir.c_str()); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::string path = m_dir + "\\" + name;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return path;
  }
  const std::string& Dir() const { return m_dir; }

 private:
  std::string m_dir;
};

std::string ReadAll(platform::OpenFile& file) {
  std::string out;
  char buffer[5];
  long error = 0;
  for (;;) {
    std::ptrdiff_t n = file.Read(buffer, sizeof buffer, &error);
    if (n <= 0) {
      EXPECT_EQ(n, 0);
      return out;
    }
    out.append(buffer, static_cast<std::size_t>(n));
  }
}

TEST(Win32Files, ReadsTheWholeFileAndHoldsItWithoutSharing) {
  TempFolder folder;
  std::string path = folder.Write("list.txt", "a.jpg\r\nb.jpg\r\n");
  platform::SystemFiles files;
  {
    std::unique_ptr<platform::OpenFile> file = files.OpenExclusiveForRead(path.c_str());
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(files.OpenExclusiveForRead(path.c_str()), nullptr);
    EXPECT_FALSE(files.DeleteFileA(path.c_str()));
    EXPECT_EQ(ReadAll(*file), "a.jpg\r\nb.jpg\r\n");
  }
  EXPECT_TRUE(files.DeleteFileA(path.c_str()));
  EXPECT_FALSE(files.DeleteFileA(path.c_str()));
  EXPECT_EQ(files.OpenExclusiveForRead(path.c_str()), nullptr);
}

TEST(Win32Files, AFileHeldOpenElsewhereOrAFolderIsNoList) {
  TempFolder folder;
  std::string path = folder.Write("held.txt", "x\n");
  HANDLE holder = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  platform::SystemFiles files;
  EXPECT_EQ(files.OpenExclusiveForRead(path.c_str()), nullptr);
  ::CloseHandle(holder);
  EXPECT_EQ(files.OpenExclusiveForRead(folder.Dir().c_str()), nullptr);
  EXPECT_EQ(files.OpenExclusiveForRead(""), nullptr);
  EXPECT_TRUE(files.DeleteFileA(path.c_str()));
}

TEST(Win32Files, PathsThatDoNotFitTheirBufferAreRefused) {
  TempFolder folder;
  std::string path = folder.Write("l.txt", "x\n");
  platform::SystemFiles files;
  // The same file named with "." segments: 259 bytes fit, 260 do not.
  std::string padded = folder.Dir();
  while (padded.size() + 2 + 6 <= 259) padded += "\\.";
  std::string fits = padded + std::string(259 - padded.size() - 6, '\\') + "\\l.txt";
  ASSERT_EQ(fits.size(), 259u);
  EXPECT_NE(files.OpenExclusiveForRead(fits.c_str()), nullptr);
  std::string tooLong = padded + std::string(260 - padded.size() - 6, '\\') + "\\l.txt";
  ASSERT_EQ(tooLong.size(), 260u);
  EXPECT_EQ(files.OpenExclusiveForRead(tooLong.c_str()), nullptr);

  // A relative path counts by its absolute form, which fits here.
  char cwd[MAX_PATH];
  ::GetCurrentDirectoryA(MAX_PATH, cwd);
  ::SetCurrentDirectoryA(folder.Dir().c_str());
  EXPECT_NE(files.OpenExclusiveForRead("l.txt"), nullptr);
  ::SetCurrentDirectoryA(cwd);
  EXPECT_TRUE(files.DeleteFileA(path.c_str()));
}

}  // namespace
