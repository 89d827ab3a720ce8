#include "vslib/Trace.h"

#include <cstdio>
#include <optional>

#include "vslib/Environment.h"

namespace vslib {

void TraceLine(const std::string& line) {
  const std::optional<std::string> path = TextSetting("VSLIB_TRACE");
  if (!path) return;
  // Binary, so that the lines end in LF on Windows too.
  std::FILE* file = std::fopen(path->c_str(), "ab");
  if (file == nullptr) return;
  const std::string text = line + '\n';
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
}

}  // namespace vslib
