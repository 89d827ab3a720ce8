#include "platform/Services.h"
#include "platform/posix/StopSignals.h"

namespace platform {

void PrepareProcess() { InstallStopSignalHandlers(); }

}  // namespace platform
