// SIGINT, SIGTERM and SIGHUP tell TELLAN that nobody is going to answer a
// message box any more. They never end the process: a run that ends early
// leaves the imaging library open and the photo list behind.
#ifndef TELLAN_PLATFORM_POSIX_STOPSIGNALS_H
#define TELLAN_PLATFORM_POSIX_STOPSIGNALS_H

#include <poll.h>
#include <signal.h>

namespace platform {

// Installs the handlers; SIGPIPE is ignored so that a write to a stream whose
// reader has gone fails with EPIPE instead of ending the process.
void InstallStopSignalHandlers();

// True once a stop signal has arrived, at any time of the run: the waiting
// box counts as dismissed and no later box waits.
bool StopRequested();

// While it lives, the stop signals are held back except inside
// PollOrStop, so that none can arrive between a test of StopRequested and the
// wait that follows it (it would then go unnoticed until the next event).
class StopSignalsHeld {
 public:
  StopSignalsHeld();
  ~StopSignalsHeld();
  StopSignalsHeld(const StopSignalsHeld&) = delete;
  StopSignalsHeld& operator=(const StopSignalsHeld&) = delete;

 private:
  sigset_t m_previous;
};

// poll() that a stop signal interrupts (-1 with EINTR), also when the signal
// came while it was held back. Same arguments and result as poll().
int PollOrStop(pollfd* fds, nfds_t count, int timeoutMs);

}  // namespace platform

#endif
