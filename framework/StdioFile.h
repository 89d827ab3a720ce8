// The framework's text file: opened for reading with no sharing, read line by
// line in text mode.
#ifndef TELLAN_FRAMEWORK_STDIOFILE_H
#define TELLAN_FRAMEWORK_STDIOFILE_H

#include <exception>
#include <memory>

#include "framework/TextModeReader.h"
#include "framework/afx.h"

namespace platform {
class OpenFile;
}

// Raised when a file operation fails in a way the caller did not ask about.
class CFileException : public std::exception {
 public:
  enum { none = 0, genericException = 1 };
  CFileException(int cause, long osError, std::string fileName);
  const char* what() const noexcept override;

  int m_cause;
  long m_lOsError;
  CString m_strFileName;

 private:
  std::string m_what;
};

class CStdioFile {
 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    shareExclusive = 0x0010,
  };

  CStdioFile();
  ~CStdioFile();
  CStdioFile(const CStdioFile&) = delete;
  CStdioFile& operator=(const CStdioFile&) = delete;

  // Opens an existing file for reading with no sharing. nOpenFlags must ask
  // for reading with shareExclusive; other modes are not offered here.
  BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags);
  // Reads the next line without its LF. FALSE only at the end of the file;
  // a read error raises CFileException.
  BOOL ReadString(CString& rString);
  void Close();

 private:
  std::unique_ptr<platform::OpenFile> m_file;
  std::unique_ptr<TextModeReader> m_reader;
  CString m_strFileName;
};

#endif
