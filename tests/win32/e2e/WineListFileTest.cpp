// The photo list on Windows is a disk file: a device or a pipe named as the
// list is a list that cannot be opened, as a missing one is. Reading one
// could hold the run forever (a pipe whose writer never writes) or never end
// (a device), so none is read at all.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WineRun.h"
#include "common/ExpectedRun.h"

namespace {

using Lines = std::vector<std::string>;
using winrun::RunResult;
using winrun::Sandbox;

// A named pipe with a free instance, which a client can open at once and
// from which it would wait for data that never comes.
class WaitingPipe {
 public:
  WaitingPipe() : m_name("\\\\.\\pipe\\tellan-list-" + std::to_string(::GetCurrentProcessId())) {
    m_pipe = ::CreateNamedPipeA(m_name.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096,
                                4096, 0, nullptr);
  }
  ~WaitingPipe() {
    if (m_pipe != INVALID_HANDLE_VALUE) ::CloseHandle(m_pipe);
  }
  WaitingPipe(const WaitingPipe&) = delete;
  WaitingPipe& operator=(const WaitingPipe&) = delete;

  bool Ready() const { return m_pipe != INVALID_HANDLE_VALUE; }
  const std::string& Name() const { return m_name; }

 private:
  std::string m_name;
  HANDLE m_pipe = INVALID_HANDLE_VALUE;
};

TEST(WineListFile, WhatIsNotADiskFileIsAListThatCannotBeOpened) {
  Sandbox sandbox;
  WaitingPipe pipe;
  ASSERT_TRUE(pipe.Ready());
  ::CreateDirectoryA(sandbox.Path("folder").c_str(), nullptr);
  const std::string paths[] = {"NUL", "CON", "\\\\.\\NUL", pipe.Name(), sandbox.Path("folder")};
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    sandbox.RemoveTrace();
    RunResult run = sandbox.Run({"fcc", path});
    ASSERT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_FALSE(run.hostEverVisible);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].text, expected::kNoSupportFile);
    EXPECT_EQ(sandbox.TraceLines(), (Lines{expected::kCreated, expected::kModeSet, "VSLibClose()"}));
  }
  EXPECT_TRUE(winrun::FileExists(sandbox.Path("folder")));
  ::RemoveDirectoryA(sandbox.Path("folder").c_str());
}

}  // namespace
