// The few things the library needs from the OS beyond standard C++. Paths are
// narrow strings handed to the OS as they are (the ANSI code page on Windows),
// like the paths the library is given.
#ifndef TELLAN_VSLIB_OSSUPPORT_H
#define TELLAN_VSLIB_OSSUPPORT_H

#include <string>

namespace vslib {

enum class FolderResult { Created, AlreadyThere, Failed };

// Creates one folder; its parent must exist.
FolderResult CreateFolder(const std::string& path);

// Creates the folder and any missing parents; true when it exists afterwards.
bool CreateFolderTree(const std::string& path);

// The local time as YYYYMMDD-HHMMSS.
std::string LocalTimestamp();

// The separator the OS prefers when a folder and a name are joined.
char PathSeparator();

// Whether c separates folders in a path on this OS.
bool IsPathSeparator(char c);

}  // namespace vslib

#endif
