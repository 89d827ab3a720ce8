// Signals and closed streams never cut a run short: the library is closed
// exactly once, the list is deleted and the exit status is 0.
#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "common/ExpectedRun.h"
#include "e2e/Harness.h"
#include "e2e/Photos.h"

namespace {

using e2e::FileExists;
using e2e::RunOptions;
using e2e::RunResult;
using e2e::Sandbox;
using expected::Added;

// A list whose second photo is missing: the "ErrVSTIncNoSupportFile" box is
// shown and the library is started after it.
struct PartlyRejectedList {
  explicit PartlyRejectedList(const Sandbox& box)
      : good1(e2e::AcceptedPhoto(0)), missing(box.Path("gone.jpg")), good2(e2e::AcceptedPhoto(1)) {
    path = box.WriteFile("photos.txt", good1 + "\n" + missing + "\n" + good2 + "\n");
  }
  std::string SubmittedTrace() const {
    return expected::kCreated + "\n" + expected::kModeSet + "\n" + Added(good1, 0) + "\n" +
           Added(missing, expected::kMissingFileCode) + "\n" + Added(good2, 0) + "\n";
  }
  std::string FullTrace() const { return SubmittedTrace() + "VSLibStart(0)\nVSLibClose()\n"; }

  std::string good1, missing, good2, path;
};

struct WaitingBoxCase {
  const char* name;
  int signalNumber;  // 0: none
  RunOptions::Answer answer;
};

TEST(Signals, EndTheWaitOfATerminalBoxAndTheRunGoesToItsEnd) {
  const WaitingBoxCase cases[] = {
      {"SIGINT", SIGINT, RunOptions::Answer::kNothing},
      {"SIGTERM", SIGTERM, RunOptions::Answer::kNothing},
      {"SIGHUP", SIGHUP, RunOptions::Answer::kNothing},
      {"terminal closed", 0, RunOptions::Answer::kCloseTerminal},
  };
  for (const WaitingBoxCase& c : cases) {
    Sandbox box;
    PartlyRejectedList list(box);
    int pid = 0;
    RunOptions options{{"fcc", list.path}};
    options.answer = c.answer;
    options.started = [&](int started) { pid = started; };
    options.whileShown = [&](const e2e::ShownBox&) {
      if (c.signalNumber != 0) kill(pid, c.signalNumber);
    };
    RunResult run = box.Run(options);

    ASSERT_TRUE(run.exited) << c.name << run.terminal;
    EXPECT_EQ(run.exitStatus, 0) << c.name;
    ASSERT_EQ(run.boxes.size(), 1u) << c.name << run.terminal;
    EXPECT_EQ(run.boxes[0].text, expected::kIncNoSupportFile) << c.name;
    EXPECT_EQ(run.boxes[0].traceWhenShown, list.SubmittedTrace()) << c.name;
    EXPECT_EQ(box.Trace(), list.FullTrace()) << c.name;
    EXPECT_FALSE(FileExists(list.path)) << c.name;
  }
}

TEST(Signals, AClosedStandardErrorOnlyLosesTheText) {
  Sandbox box;
  PartlyRejectedList list(box);
  RunOptions options{{"fcc", list.path}};
  options.withTerminal = false;
  options.errorOutputClosed = true;
  RunResult run = box.Run(options);
  ASSERT_TRUE(run.exited);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(box.Trace(), list.FullTrace());
  EXPECT_FALSE(FileExists(list.path));
}

// True once the process catches SIGINT, SIGTERM and SIGHUP (its handlers are
// in place); false when it has ended.
bool CatchesStopSignals(int pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  const unsigned long long wanted = (1ULL << (SIGINT - 1)) | (1ULL << (SIGTERM - 1)) | (1ULL << (SIGHUP - 1));
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("SigCgt:", 0) == 0) {
      unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
      return (caught & wanted) == wanted;
    }
  }
  return false;
}

bool IsRunning(int pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string fields;
  std::getline(stat, fields);
  std::size_t end = fields.rfind(')');
  return end != std::string::npos && end + 2 < fields.size() && fields[end + 2] != 'Z';
}

// One run without a terminal while a stream of stop signals arrives; the
// number of rounds sent once the handlers were in place.
int RunUnderAStreamOfSignals(bool closedErrorOutput) {
  Sandbox box;
  PartlyRejectedList list(box);
  std::atomic<int> sent{0};
  std::thread sender;
  RunOptions options{{"fcc", list.path}};
  options.withTerminal = false;
  options.errorOutputClosed = closedErrorOutput;
  options.started = [&](int pid) {
    sender = std::thread([pid, &sent] {
      auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
      while (!CatchesStopSignals(pid)) {
        if (!IsRunning(pid) || std::chrono::steady_clock::now() > deadline) return;
        std::this_thread::sleep_for(std::chrono::microseconds(100));
      }
      while (IsRunning(pid)) {
        for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) kill(pid, signalNumber);
        ++sent;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      }
    });
  };
  RunResult run = box.Run(options);
  sender.join();

  EXPECT_TRUE(run.exited) << closedErrorOutput;
  EXPECT_EQ(run.exitStatus, 0) << closedErrorOutput;
  EXPECT_EQ(box.Trace(), list.FullTrace()) << closedErrorOutput;
  EXPECT_FALSE(FileExists(list.path)) << closedErrorOutput;
  if (!closedErrorOutput) {
    EXPECT_EQ(run.errorOutput, std::string("(X) ") + expected::kTitle + "\n" + expected::kIncNoSupportFile + "\n");
  }
  return sent.load();
}

TEST(Signals, AStreamOfSignalsThroughoutARunWithoutTerminalChangesNothing) {
  for (bool closedErrorOutput : {false, true}) {
    // A short run on a busy machine can end before the sender sees its
    // handlers; such a run proves nothing about signals, so it is run again.
    int sent = 0;
    for (int attempt = 0; attempt < 10 && sent == 0; ++attempt) sent = RunUnderAStreamOfSignals(closedErrorOutput);
    EXPECT_GT(sent, 0) << "no run lasted long enough to receive a signal";
  }
}

}  // namespace
