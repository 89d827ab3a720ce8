#include "vslib/OsSupport.h"

#include <cerrno>
#include <ctime>

#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#include <sys/types.h>
#endif

namespace vslib {
FolderResult CreateFolder(const std::string& path) {
#ifdef _WIN32
  const int result = _mkdir(path.c_str());
#else
  const int result = mkdir(path.c_str(), 0777);
#endif
  if (result == 0) return FolderResult::Created;
  return errno == EEXIST ? FolderResult::AlreadyThere : FolderResult::Failed;
}

bool CreateFolderTree(const std::string& path) {
  if (path.empty()) return false;
  if (CreateFolder(path) != FolderResult::Failed) return true;
  if (errno != ENOENT) return false;
  std::string::size_type end = path.size();
  while (end > 0 && IsPathSeparator(path[end - 1])) --end;  // "jobs/" names "jobs"
  while (end > 0 && !IsPathSeparator(path[end - 1])) --end;
  while (end > 0 && IsPathSeparator(path[end - 1])) --end;
  if (end == 0 || end == path.size()) return false;
  if (!CreateFolderTree(path.substr(0, end))) return false;
  return CreateFolder(path) != FolderResult::Failed;
}

std::string LocalTimestamp() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &now);
#else
  localtime_r(&now, &parts);
#endif
  char text[32];
  if (std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &parts) == 0) return "00000000-000000";
  return text;
}

char PathSeparator() {
#ifdef _WIN32
  return '\\';
#else
  return '/';
#endif
}

}  // namespace vslib

namespace vslib {

bool IsPathSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/';
#else
  return c == '/';
#endif
}

}  // namespace vslib
