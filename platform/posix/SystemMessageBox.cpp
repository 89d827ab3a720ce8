// Chooses the kind of message box: the desktop when there is one, else the
// controlling terminal, else standard error.
#include "platform/SystemServices.h"
#include "platform/posix/MessageBoxKinds.h"

namespace platform {
namespace {

constexpr int kIdOk = 1;

}  // namespace

int SystemMessageBox::MessageBoxA(const char* text, const char* caption, unsigned style) {
  std::string body = text != nullptr ? text : "";
  std::string title = caption != nullptr ? caption : "";
  if (!ShowDesktopMessageBox(body, title, style) && !ShowTerminalMessageBox(body, title, style)) {
    ShowMessageOnStandardError(body, title, style);
  }
  return kIdOk;
}

}  // namespace platform
