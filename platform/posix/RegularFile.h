// Opening files that the program reads whole or line by line: only a regular
// file will do, and nothing may block on the way (a FIFO would hold the run at
// its open, a device would never end).
#ifndef TELLAN_PLATFORM_POSIX_REGULARFILE_H
#define TELLAN_PLATFORM_POSIX_REGULARFILE_H

#include <sys/stat.h>

namespace platform {

// A descriptor of the regular file at path, opened read-only and blocking
// again once it is known to be one; -1 when the path names anything else or
// cannot be opened. *info, when given, receives the file's status.
int OpenRegularFile(const char* path, struct stat* info = nullptr);

}  // namespace platform

#endif
