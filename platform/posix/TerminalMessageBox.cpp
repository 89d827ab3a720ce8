// Message boxes on the controlling terminal.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/SystemServices.h"

namespace platform {
namespace {

constexpr int kIdOk = 1;

const char* IconSign(unsigned style) {
  switch (style & kIconMask) {
    case kIconError:
      return "(X) ";
    case kIconQuestion:
      return "(?) ";
    case kIconWarning:
      return "(!) ";
    case kIconInformation:
      return "(i) ";
    default:
      return "";
  }
}

void WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

// Waits for a line (Enter) or the end of the input.
void WaitForEnter(int fd) {
  char c;
  for (;;) {
    ssize_t n = read(fd, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 || c == '\n' || c == '\r') return;
  }
}

}  // namespace

int SystemMessageBox::MessageBoxA(const char* text, const char* caption, unsigned style) {
  std::string title = caption != nullptr ? caption : "";
  std::string body = text != nullptr ? text : "";
  std::string heading = std::string(IconSign(style)) + title;

  int tty = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (tty < 0) {
    // Started without a terminal: nobody can answer, so say it and go on.
    WriteAll(STDERR_FILENO, heading + "\n" + body + "\n");
    return kIdOk;
  }
  std::string rule(heading.size() < 8 ? 8 : heading.size(), '-');
  WriteAll(tty, "\n" + heading + "\n" + rule + "\n" + body + "\n\n[ OK ]  Press Enter\n");
  WaitForEnter(tty);
  close(tty);
  return kIdOk;
}

}  // namespace platform
