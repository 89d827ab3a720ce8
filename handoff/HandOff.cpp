#include "handoff/HandOff.h"

#include <cstdint>

#include "framework/StdioFile.h"
#include "messages/MsgBox.h"
#include "platform/Services.h"
#include "vslib/VSLib.h"

namespace handoff {
namespace {

constexpr UINT kErrorStyle = MB_ICONERROR | MB_OK;
constexpr UINT kListOpenFlags = CStdioFile::modeRead | CStdioFile::shareExclusive;

// Closes the library if the run leaves the hand-off by an exception, so that
// every run that created it also closes it.
class LibraryCloser {
 public:
  LibraryCloser() = default;
  LibraryCloser(const LibraryCloser&) = delete;
  LibraryCloser& operator=(const LibraryCloser&) = delete;
  ~LibraryCloser() {
    if (m_armed) VSLibClose();
  }
  void Close() {
    m_armed = false;
    VSLibClose();
  }

 private:
  bool m_armed = true;
};

}  // namespace

void HandOff(const CString& strPhotoListPath) {
  Submission submission = Submission::kNothingToStart;
  {
    LibraryCloser library;
    std::int32_t created = VSLibCreate(0, 0, 0, 0);
    if (created != 0) {
      CMsgBox box;
      box.ShowWithCode("ErrVSTCreateLib", created, kErrorStyle);
    } else if (VSLibSetMode(2) == 0) {
      submission = SubmitPhotoList(strPhotoListPath);
      if (submission == Submission::kStartLibrary) VSLibStart(0);
    }
    library.Close();
  }
  // A list that could not be read to its end was not consumed: the caller
  // may hand it over again.
  if (submission != Submission::kListUnread) {
    platform::GetServices().files->DeleteFileA(strPhotoListPath.c_str());
  }
}

Submission SubmitPhotoList(const CString& strPhotoListPath) {
  CMsgBox box;
  const char* key = "ErrVSTNoSupportFile";
  Submission verdict = Submission::kNothingToStart;

  CStdioFile list;
  if (list.Open(strPhotoListPath.c_str(), kListOpenFlags)) {
    // Wide enough for any list a file system can hold.
    std::uint64_t lines = 0;
    std::uint64_t rejected = 0;
    try {
      CString line;
      while (list.ReadString(line)) {
        if (VSLibAddFile(line.c_str(), 1) != 0) ++rejected;
        ++lines;
      }
    } catch (const CFileException&) {
      // What the rest of the list names is unknown, so nothing is started.
      verdict = Submission::kListUnread;
      lines = 0;
    }
    if (lines != 0) {
      if (rejected == 0) {
        list.Close();
        return Submission::kStartLibrary;
      }
      if (rejected != lines) {
        key = "ErrVSTIncNoSupportFile";
        verdict = Submission::kStartLibrary;
      }
    }
  }

  box.Show(key, kErrorStyle);
  list.Close();
  return verdict;
}

}  // namespace handoff
