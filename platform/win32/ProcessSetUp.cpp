#include "platform/Services.h"

namespace platform {

// A GUI program gets no console signals, and a broken pipe is an error code
// of the write, never the end of the process.
void PrepareProcess() {}

}  // namespace platform
