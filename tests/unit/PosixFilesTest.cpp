// Deleting the photo list on Linux: what Windows' DeleteFileA would delete,
// and nothing else.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>

#include "platform/SystemServices.h"

namespace {

bool Exists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

class DeleteFileTest : public ::testing::Test {
 protected:
  DeleteFileTest() {
    m_dir = ::testing::TempDir() + "tellan-delete-XXXXXX";
    EXPECT_NE(mkdtemp(&m_dir[0]), nullptr);
  }
  ~DeleteFileTest() override {
    std::string command = "rm -rf '" + m_dir + "'";
    EXPECT_EQ(std::system(command.c_str()), 0);
  }

  std::string Path(const std::string& name) const { return m_dir + "/" + name; }
  std::string RegularFile(const std::string& name) const {
    std::string path = Path(name);
    std::ofstream(path) << "a.jpg\n";
    return path;
  }

  platform::SystemFiles files;
  std::string m_dir;
};

TEST_F(DeleteFileTest, OnlyARegularFileIsDeleted) {
  std::string regular = RegularFile("list.txt");
  EXPECT_TRUE(files.DeleteFileA(regular.c_str()));
  EXPECT_FALSE(Exists(regular));

  std::string target = RegularFile("target.txt");
  std::string link = Path("link-to-file");
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  EXPECT_TRUE(files.DeleteFileA(link.c_str())) << "a link to a file is removed, as on Windows";
  EXPECT_FALSE(Exists(link));
  EXPECT_TRUE(Exists(target));

  std::string fifo = Path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string folder = Path("folder");
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  std::string socketPath = Path("socket");
  int sock = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(sock, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, socketPath.c_str());
  ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  close(sock);
  std::string linkToFifo = Path("link-to-fifo");
  ASSERT_EQ(symlink(fifo.c_str(), linkToFifo.c_str()), 0);
  std::string dangling = Path("dangling");
  ASSERT_EQ(symlink(Path("nothing").c_str(), dangling.c_str()), 0);
  std::string kept[] = {fifo, folder, socketPath, linkToFifo, dangling};
  // A device node of our own, never one of the system's, when we may make one.
  std::string device = Path("null");
  if (mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0) {
    EXPECT_FALSE(files.DeleteFileA(device.c_str()));
    EXPECT_TRUE(Exists(device));
  }
  for (const std::string& path : kept) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(files.DeleteFileA(path.c_str()));
    EXPECT_TRUE(Exists(path));
  }
  EXPECT_TRUE(Exists(fifo));
  EXPECT_FALSE(files.DeleteFileA(Path("missing").c_str()));
  EXPECT_FALSE(files.DeleteFileA(""));
  EXPECT_FALSE(files.DeleteFileA(nullptr));
}

TEST_F(DeleteFileTest, AListLockedByAnotherProcessStays) {
  std::string list = RegularFile("list.txt");
  // flock locks belong to an open file, so a second open of our own stands
  // in for another process.
  int holder = open(list.c_str(), O_RDONLY);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(flock(holder, LOCK_SH), 0);
  EXPECT_FALSE(files.DeleteFileA(list.c_str()));
  EXPECT_TRUE(Exists(list));
  close(holder);
  EXPECT_TRUE(files.DeleteFileA(list.c_str()));
  EXPECT_FALSE(Exists(list));
}

TEST_F(DeleteFileTest, APathPastTheLengthRuleStays) {
  // Folders deep enough that the file's path has 260 bytes.
  std::string folder = m_dir;
  while (folder.size() + 1 + 8 < 260) {
    folder += "/" + std::string(std::min<std::size_t>(60, 260 - folder.size() - 10), 'd');
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  }
  std::string name = std::string(260 - folder.size() - 1, 'f');
  std::string path = folder + "/" + name;
  ASSERT_EQ(path.size(), 260u);
  std::ofstream(path) << "a.jpg\n";
  ASSERT_TRUE(Exists(path));
  EXPECT_FALSE(files.DeleteFileA(path.c_str()));
  EXPECT_TRUE(Exists(path));

  // A short relative path whose absolute form is too long.
  std::string relative(260 - folder.size(), 'r');
  char saved[4096];
  ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
  ASSERT_EQ(chdir(folder.c_str()), 0);
  std::ofstream(relative) << "a.jpg\n";
  bool relativeDeleted = files.DeleteFileA(relative.c_str());
  bool relativeKept = Exists(relative);
  ASSERT_EQ(chdir(saved), 0);
  EXPECT_FALSE(relativeDeleted);
  EXPECT_TRUE(relativeKept);
}

}  // namespace
