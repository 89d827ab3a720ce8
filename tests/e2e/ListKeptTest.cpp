// Lists that the run cannot open are not deleted after it either: on Windows
// DeleteFileA fails for each of them, and on Linux nothing but a regular file
// is ever removed.
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ExpectedRun.h"
#include "e2e/Harness.h"
#include "e2e/Photos.h"

namespace {

using e2e::RunResult;
using e2e::Sandbox;

bool Exists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

TEST(ListKept, WhatIsNoRegularFileOrPastTheLengthRuleStays) {
  Sandbox box;
  struct Case {
    const char* name;
    std::string path;
  };
  std::string fifo = box.Path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string link = box.Path("link-to-fifo");
  ASSERT_EQ(symlink(fifo.c_str(), link.c_str()), 0);
  std::string folder = box.Path("folder");
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  // A path of 260 bytes: the folder chain below makes it long enough.
  ASSERT_LT(box.Dir().size(), 200u);
  std::string deep = box.Dir();
  while (deep.size() < 200) {
    deep += "/" + std::string(40, 'd');
    ASSERT_EQ(mkdir(deep.c_str(), 0700), 0);
  }
  std::string tooLong = deep + "/" + std::string(260 - deep.size() - 1, 'p');
  ASSERT_EQ(tooLong.size(), 260u);
  box.WriteFile(tooLong.substr(box.Dir().size() + 1), e2e::AcceptedPhoto(0) + "\n");

  std::vector<Case> cases = {
      {"FIFO", fifo}, {"link to a FIFO", link}, {"folder", folder}, {"260-byte path", tooLong}};
  // A device of our own (as root), never one of the system's.
  std::string device = box.Path("null");
  if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) cases.push_back({"device", device});

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Exists(c.path));
    RunResult run = box.Run({{"fcc", c.path}});
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.exitStatus, 0);
    ASSERT_EQ(run.boxes.size(), 1u) << run.terminal;
    EXPECT_EQ(run.boxes[0].text, expected::kNoSupportFile);
    EXPECT_TRUE(Exists(c.path));
  }
}

}  // namespace
