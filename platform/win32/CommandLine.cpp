#include "platform/Services.h"

namespace platform {

const char* SwitchCharacters() { return "-/"; }

}  // namespace platform
