// The photo list on Linux: opened read-only, regular files only, and held
// under an exclusive lock so that a list another process holds locked counts
// as one that cannot be opened, nor deleted.
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/SystemServices.h"
#include "platform/posix/RegularFile.h"

namespace platform {
namespace {

constexpr std::size_t kMaxPath = 260;

// Paths, and their absolute forms, must fit a 260-byte buffer.
bool FitsPathBuffer(const char* path) {
  std::size_t length = std::strlen(path);
  if (length >= kMaxPath) return false;
  if (path[0] == '/') return true;
  char cwd[4096];
  if (getcwd(cwd, sizeof cwd) == nullptr) return false;
  return std::strlen(cwd) + 1 + length < kMaxPath;
}

class PosixOpenFile : public OpenFile {
 public:
  explicit PosixOpenFile(int fd) : m_fd(fd) {}
  ~PosixOpenFile() override { close(m_fd); }
  PosixOpenFile(const PosixOpenFile&) = delete;
  PosixOpenFile& operator=(const PosixOpenFile&) = delete;

  std::ptrdiff_t Read(void* buffer, std::size_t size, long* error) override {
    for (;;) {
      ssize_t got = read(m_fd, buffer, size);
      if (got >= 0) return got;
      if (errno == EINTR) continue;
      *error = errno;
      return -1;
    }
  }

 private:
  int m_fd;
};

}  // namespace

std::unique_ptr<OpenFile> SystemFiles::OpenExclusiveForRead(const char* path) {
  if (path == nullptr || path[0] == '\0' || !FitsPathBuffer(path)) return nullptr;
  int fd = OpenRegularFile(path);
  if (fd < 0) return nullptr;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return nullptr;
  }
  return std::make_unique<PosixOpenFile>(fd);
}

bool SystemFiles::DeleteFileA(const char* path) {
  // As on Windows, only a file on disk is deleted: never a FIFO, a device, a
  // socket or a folder (nor a link to one), never a path past the length
  // rule, and never a file another process holds locked.
  if (path == nullptr || path[0] == '\0' || !FitsPathBuffer(path)) return false;
  int fd = OpenRegularFile(path);
  if (fd < 0) return false;
  bool deleted = flock(fd, LOCK_EX | LOCK_NB) == 0 && unlink(path) == 0;
  close(fd);
  return deleted;
}

}  // namespace platform
