#include "framework/StdioFile.h"

#include "platform/Services.h"

CFileException::CFileException(int cause, long osError, std::string fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {
  m_what = "file error " + std::to_string(m_lOsError) + " on " + m_strFileName;
}

const char* CFileException::what() const noexcept { return m_what.c_str(); }

CStdioFile::CStdioFile() = default;

CStdioFile::~CStdioFile() { Close(); }

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags) {
  Close();
  if ((nOpenFlags & 0x3) != modeRead || (nOpenFlags & 0x70) != shareExclusive) return FALSE;
  m_file = platform::GetServices().files->OpenExclusiveForRead(lpszFileName);
  if (!m_file) return FALSE;
  m_strFileName = lpszFileName;
  m_reader = std::make_unique<TextModeReader>(*m_file);
  return TRUE;
}

BOOL CStdioFile::ReadString(CString& rString) {
  rString.clear();
  if (!m_reader) return FALSE;
  long error = 0;
  switch (m_reader->ReadLine(rString, &error)) {
    case TextModeReader::Result::Line:
      return TRUE;
    case TextModeReader::Result::EndOfFile:
      return FALSE;
    case TextModeReader::Result::Error:
      break;
  }
  throw CFileException(CFileException::genericException, error, m_strFileName);
}

void CStdioFile::Close() {
  m_reader.reset();
  m_file.reset();
}
