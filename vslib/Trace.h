// The call trace: one line per entry point call, appended to the file named by
// VSLIB_TRACE. The file is opened and closed for every line, so another
// process can read it while the caller waits, for example in a message box.
#ifndef TELLAN_VSLIB_TRACE_H
#define TELLAN_VSLIB_TRACE_H

#include <optional>
#include <string>

#include "vslib/Environment.h"

namespace vslib {

// Appends line and a LF to the file at path; a trace that cannot be written
// never changes a result.
void AppendTraceLine(const std::string& path, const std::string& line);

// Appends the line that makeLine() returns. Without VSLIB_TRACE nothing is
// built: a path of a list line may be any length, and its quoted form is up
// to four times that.
template <typename MakeLine>
void Trace(MakeLine makeLine) {
  const std::optional<std::string> path = TextSetting("VSLIB_TRACE");
  if (path) AppendTraceLine(*path, makeLine());
}

}  // namespace vslib

#endif
