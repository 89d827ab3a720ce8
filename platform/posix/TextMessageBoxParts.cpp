// What the terminal box and the box on standard error have in common.
#include <unistd.h>

#include <cerrno>

#include "platform/Services.h"
#include "platform/posix/MessageBoxKinds.h"
#include "platform/posix/StopSignals.h"

namespace platform {
namespace {

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

}  // namespace

std::string SignedHeading(const std::string& caption, unsigned style) { return IconSign(style) + caption; }

void WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    // A terminal whose output is stopped (Ctrl-S) blocks the write; a stop
    // signal then gives it up.
    if (n < 0 && errno == EINTR && !StopRequested()) continue;
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

}  // namespace platform
