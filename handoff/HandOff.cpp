// The hand-off of one run: the imaging library from its creation to its
// closing, and the submission of the photo list.
#include <cstdint>

#include "app/TELLANDlg.h"
#include "framework/StdioFile.h"
#include "vslib/VSLib.h"
#include "messages/MsgBox.h"
#include "platform/Services.h"

namespace {

constexpr UINT kErrorStyle = 0x10;  // the error icon with the single OK button
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

BOOL CTELLANDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  if (CheckCommandLine()) {
    {
      LibraryCloser library;
      std::int32_t created = VSLibCreate(0, 0, 0, 0);
      if (created != 0) {
        CMsgBox box;
        box.ShowWithCode("ErrVSTCreateLib", created, kErrorStyle);
      } else if (VSLibSetMode(2) == 0) {
        if (SubmitPhotoList()) VSLibStart(0);
      }
      library.Close();
    }
    if (!m_bListReadFailed) platform::GetServices().files->DeleteFileA(m_strPhotoListPath.c_str());
  }

  EndDialog(0);
  return 0;
}

BOOL CTELLANDlg::SubmitPhotoList() {
  CMsgBox box;
  const char* key = "ErrVSTNoSupportFile";
  BOOL verdict = FALSE;

  CStdioFile list;
  if (list.Open(m_strPhotoListPath.c_str(), kListOpenFlags)) {
    std::int32_t lines = 0;
    std::int32_t rejected = 0;
    try {
      CString line;
      while (list.ReadString(line)) {
        if (VSLibAddFile(line.c_str(), 1) != 0) ++rejected;
        ++lines;
      }
    } catch (const CFileException&) {
      // The list could not be read to its end: what it names is unknown, so
      // nothing is started, and the list stays for the caller.
      m_bListReadFailed = TRUE;
      lines = 0;
    }
    if (lines != 0) {
      if (rejected == 0) {
        list.Close();
        return TRUE;
      }
      if (rejected != lines) {
        key = "ErrVSTIncNoSupportFile";
        verdict = TRUE;
      }
    }
  }

  box.Show(key, kErrorStyle);
  list.Close();
  return verdict;
}
