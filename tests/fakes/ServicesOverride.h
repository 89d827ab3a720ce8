// Restores the platform services a test replaced, whatever it replaced.
#ifndef TELLAN_TESTS_FAKES_SERVICESOVERRIDE_H
#define TELLAN_TESTS_FAKES_SERVICESOVERRIDE_H

#include "platform/Services.h"

namespace fakes {

class ServicesOverride {
 public:
  ServicesOverride() : m_saved(platform::GetServices()) {}
  ~ServicesOverride() { platform::GetServices() = m_saved; }
  ServicesOverride(const ServicesOverride&) = delete;
  ServicesOverride& operator=(const ServicesOverride&) = delete;

 private:
  platform::Services m_saved;
};

}  // namespace fakes

#endif
