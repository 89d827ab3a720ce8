#include "platform/Services.h"

#include "platform/SystemServices.h"

namespace platform {

Services& GetServices() {
  static SystemMessageBox messageBox;
  static SystemFiles files;
  static SystemRegistry registry;
  static SystemProcess process;
  static SystemLocale locale;
  static SystemXmlParser xml;
  static Services services{&messageBox, &files, &registry, &process, &locale, &xml};
  return services;
}

}  // namespace platform
