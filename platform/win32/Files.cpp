// The photo list on Windows: opened for reading with no sharing, so that a
// list another process holds open cannot be opened.
#include <windows.h>

#include <cstring>

#include "platform/SystemServices.h"

namespace platform {
namespace {

constexpr DWORD kMaxPath = MAX_PATH;

// Paths, and their absolute forms, must fit a 260-byte buffer; a longer one
// is refused rather than cut short.
bool FitsPathBuffer(const char* path) {
  if (std::strlen(path) >= kMaxPath) return false;
  char full[kMaxPath];
  DWORD length = ::GetFullPathNameA(path, kMaxPath, full, nullptr);
  return length != 0 && length < kMaxPath;
}

class Win32OpenFile : public OpenFile {
 public:
  explicit Win32OpenFile(HANDLE handle) : m_handle(handle) {}
  ~Win32OpenFile() override { ::CloseHandle(m_handle); }
  Win32OpenFile(const Win32OpenFile&) = delete;
  Win32OpenFile& operator=(const Win32OpenFile&) = delete;

  std::ptrdiff_t Read(void* buffer, std::size_t size, long* error) override {
    DWORD wanted = size > 0x10000000u ? 0x10000000u : static_cast<DWORD>(size);
    DWORD got = 0;
    if (::ReadFile(m_handle, buffer, wanted, &got, nullptr)) return static_cast<std::ptrdiff_t>(got);
    DWORD code = ::GetLastError();
    if (code == ERROR_HANDLE_EOF || code == ERROR_BROKEN_PIPE) return 0;
    *error = static_cast<long>(code);
    return -1;
  }

 private:
  HANDLE m_handle;
};

}  // namespace

std::unique_ptr<OpenFile> SystemFiles::OpenExclusiveForRead(const char* path) {
  if (path == nullptr || path[0] == '\0' || !FitsPathBuffer(path)) return nullptr;
  HANDLE handle = ::CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  // Only a disk file is a photo list; a pipe or device could hold the run.
  if (::GetFileType(handle) != FILE_TYPE_DISK) {
    ::CloseHandle(handle);
    return nullptr;
  }
  return std::make_unique<Win32OpenFile>(handle);
}

bool SystemFiles::DeleteFileA(const char* path) {
  return path != nullptr && ::DeleteFileA(path) != FALSE;
}

}  // namespace platform
