#include "vslib/Trace.h"

#include <cstdio>

namespace vslib {

void AppendTraceLine(const std::string& path, const std::string& line) {
  // Binary, so that the lines end in LF on Windows too.
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) return;
  std::fwrite(line.data(), 1, line.size(), file);
  std::fputc('\n', file);
  std::fclose(file);
}

}  // namespace vslib
