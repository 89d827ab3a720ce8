#include "platform/Services.h"

namespace platform {

const char* SwitchCharacters() {
  // Every absolute path starts with '/', so only '-' marks a switch here.
  return "-";
}

}  // namespace platform
