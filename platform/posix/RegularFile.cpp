#include "platform/posix/RegularFile.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform {

int OpenRegularFile(const char* path, struct stat* info) {
  if (path == nullptr) return -1;
  // Opening a device may already act on it; only what looks like a regular
  // file is opened, and checked again once it is open.
  struct stat named;
  if (stat(path, &named) != 0 || !S_ISREG(named.st_mode)) return -1;
  int fd = open(path, O_RDONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  struct stat status;
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(fd);
    return -1;
  }
  int flags = fcntl(fd, F_GETFL);
  if (flags != -1) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  if (info != nullptr) *info = status;
  return fd;
}

}  // namespace platform
