// The Windows implementations of the platform services.
#include "platform/Services.h"

#include "platform/win32/Win32Services.h"

namespace platform {

Services& GetServices() {
  static Win32MessageBox messageBox;
  static Win32Files files;
  static Win32Registry registry;
  static Win32Process process;
  static Win32Locale locale;
  static MsxmlParser xml;
  static Services services{&messageBox, &files, &registry, &process, &locale, &xml};
  return services;
}

const char* SwitchCharacters() { return "-/"; }

}  // namespace platform
