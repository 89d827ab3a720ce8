// Message boxes on the controlling terminal.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/MessageBoxKinds.h"
#include "platform/posix/StopSignals.h"

namespace platform {
namespace {

// Waits for a line (Enter), the end of the input, the terminal going away or
// a stop signal.
void WaitForEnter(int tty) {
  // Non-blocking reads: with the stop signals held back, a read that blocked
  // could not be interrupted; only PollOrStop waits.
  int flags = fcntl(tty, F_GETFL);
  if (flags < 0 || fcntl(tty, F_SETFL, flags | O_NONBLOCK) < 0) return;
  StopSignalsHeld held;
  while (!StopRequested()) {
    pollfd ready{tty, POLLIN, 0};
    if (PollOrStop(&ready, 1, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    char c;
    ssize_t n = read(tty, &c, 1);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (n <= 0 || c == '\n' || c == '\r') return;
  }
}

}  // namespace

bool ShowTerminalMessageBox(const std::string& text, const std::string& caption, unsigned style) {
  int tty = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (tty < 0) return false;
  std::string heading = SignedHeading(caption, style);
  std::string rule(heading.size() < 8 ? 8 : heading.size(), '-');
  WriteAll(tty, "\n" + heading + "\n" + rule + "\n" + text + "\n\n[ OK ]  Press Enter\n");
  WaitForEnter(tty);
  close(tty);
  return true;
}

}  // namespace platform
