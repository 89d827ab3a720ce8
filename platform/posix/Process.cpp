#include "platform/SystemServices.h"

namespace platform {

bool SystemProcess::RunsUnderWow64() { return false; }

}  // namespace platform
