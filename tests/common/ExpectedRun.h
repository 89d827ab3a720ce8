// What a user and a caller see of a run, shared by the end-to-end tests of
// every build: the built-in texts, the library's trace lines and its codes.
#ifndef TELLAN_TESTS_COMMON_EXPECTEDRUN_H
#define TELLAN_TESTS_COMMON_EXPECTEDRUN_H

#include <sstream>
#include <string>
#include <vector>

namespace expected {

inline const char kTitle[] = "Ordex Vistello (MRV)";
inline const char kNoSupportFile[] =
    "No supported files found. The reasons are listed below.\n\n"
    "The image is too small or too large.\nThe aspect ratio of the image is too large.\n"
    "The image is corrupt or the file format is not supported.\n"
    "The image may have been moved or deleted.\n\nSelect other photos.";
inline const char kIncNoSupportFile[] =
    "Some of the files are not supported. The reasons are listed below.\n\n"
    "The image is too small or too large.\nThe aspect ratio of the image is too large.\n"
    "The image is corrupt or the file format is not supported.\n"
    "The image may have been moved or deleted.\n\nContinue processing using the valid images.";

inline const std::string kCreated = "VSLibCreate(0, 0, 0, 0) = 0";
inline const std::string kModeSet = "VSLibSetMode(2) = 0";

// The stand-in library's refusal codes.
constexpr int kMissingFileCode = 1;
constexpr int kNotAnImageCode = 2;

// The library's trace, one call a line.
inline std::vector<std::string> TraceLinesOf(const std::string& trace) {
  std::vector<std::string> lines;
  std::istringstream in(trace);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The trace writes a path as a C string literal.
inline std::string Added(const std::string& path, int result) {
  std::string quoted;
  for (char c : path) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  return "VSLibAddFile(\"" + quoted + "\", 1) = " + std::to_string(result);
}

}  // namespace expected

#endif
