// The Linux implementations of the platform services.
#include "platform/Services.h"

#include "platform/posix/PosixServices.h"

namespace platform {

Services& GetServices() {
  static TerminalMessageBox messageBox;
  static PosixFiles files;
  static RegFileRegistry registry;
  static PosixProcess process;
  static PosixLocale locale;
  static LibXmlParser xml;
  static Services services{&messageBox, &files, &registry, &process, &locale, &xml};
  return services;
}

const char* SwitchCharacters() {
  // Every absolute path starts with '/', so only '-' marks a switch here.
  return "-";
}

}  // namespace platform
