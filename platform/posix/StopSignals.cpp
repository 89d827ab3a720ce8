#include "platform/posix/StopSignals.h"

#include <pthread.h>
#include <time.h>

#include <csignal>

namespace platform {
namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t g_stopRequested = 0;

extern "C" void OnStopSignal(int) { g_stopRequested = 1; }

sigset_t StopSignalSet() {
  sigset_t set;
  sigemptyset(&set);
  for (int signalNumber : kStopSignals) sigaddset(&set, signalNumber);
  return set;
}

}  // namespace

void InstallStopSignalHandlers() {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGPIPE, &ignore, nullptr);

  // No SA_RESTART: a blocking call of a box returns with EINTR, so the box
  // learns of the signal at once.
  struct sigaction stop {};
  stop.sa_handler = OnStopSignal;
  stop.sa_mask = StopSignalSet();
  stop.sa_flags = 0;
  for (int signalNumber : kStopSignals) sigaction(signalNumber, &stop, nullptr);
}

bool StopRequested() { return g_stopRequested != 0; }

StopSignalsHeld::StopSignalsHeld() {
  sigset_t set = StopSignalSet();
  pthread_sigmask(SIG_BLOCK, &set, &m_previous);
}

StopSignalsHeld::~StopSignalsHeld() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }

int PollOrStop(pollfd* fds, nfds_t count, int timeoutMs) {
  sigset_t open;
  pthread_sigmask(SIG_SETMASK, nullptr, &open);
  for (int signalNumber : kStopSignals) sigdelset(&open, signalNumber);
  timespec timeout{timeoutMs / 1000, static_cast<long>(timeoutMs % 1000) * 1000000L};
  return ppoll(fds, count, timeoutMs < 0 ? nullptr : &timeout, &open);
}

}  // namespace platform
