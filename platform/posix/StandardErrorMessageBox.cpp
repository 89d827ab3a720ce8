#include <unistd.h>

#include "platform/posix/MessageBoxKinds.h"

namespace platform {

// SIGPIPE is ignored (ProcessSetUp.cpp), so a closed standard error only
// makes the write fail.
void ShowMessageOnStandardError(const std::string& text, const std::string& caption, unsigned style) {
  WriteAll(STDERR_FILENO, SignedHeading(caption, style) + "\n" + text + "\n");
}

}  // namespace platform
