// The call trace: one line per entry point call, appended to the file named by
// VSLIB_TRACE. The file is opened and closed for every line, so another
// process can read it while the caller waits, for example in a message box.
#ifndef TELLAN_VSLIB_TRACE_H
#define TELLAN_VSLIB_TRACE_H

#include <string>

namespace vslib {

// Appends line and a LF; does nothing when VSLIB_TRACE is unset, and a trace
// that cannot be written never changes a result.
void TraceLine(const std::string& line);

}  // namespace vslib

#endif
