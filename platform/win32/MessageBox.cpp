#include <windows.h>

#include "platform/win32/Win32Services.h"

namespace platform {

int Win32MessageBox::MessageBoxA(const char* text, const char* caption, unsigned style) {
  // No owner: the host dialog is never visible, and a box owned by it would
  // be hidden and disabled along with it.
  return ::MessageBoxA(nullptr, text, caption, style);
}

}  // namespace platform
