#include <windows.h>

#include "platform/SystemServices.h"

namespace platform {

int SystemMessageBox::MessageBoxA(const char* text, const char* caption, unsigned style) {
  // No owner: the host dialog is never visible, and a box owned by it would
  // be hidden and disabled along with it.
  return ::MessageBoxA(nullptr, text, caption, style);
}

}  // namespace platform
