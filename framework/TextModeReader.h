// Reads lines of a text file in text mode from raw bytes, identically on
// every OS: CR LF reads as LF, any other CR stays, byte 0x1A ends the file,
// LF ends a line and is removed.
#ifndef TELLAN_FRAMEWORK_TEXTMODEREADER_H
#define TELLAN_FRAMEWORK_TEXTMODEREADER_H

#include <cstddef>
#include <memory>
#include <string>

namespace platform {
class OpenFile;
}

class TextModeReader {
 public:
  // Bytes are pulled from the file this many at a time. Text mode reads a
  // line in pieces of 128 characters, but the pieces are joined before a
  // caller sees the line, so only whole lines are observable.
  static constexpr std::size_t kReadSize = 64 * 1024;

  // The file must outlive the reader.
  explicit TextModeReader(platform::OpenFile& file);
  ~TextModeReader();
  TextModeReader(const TextModeReader&) = delete;
  TextModeReader& operator=(const TextModeReader&) = delete;

  enum class Result { Line, EndOfFile, Error };

  // Reads the next line into line (emptied first). An empty line gives Line
  // with an empty string; only the end of the file gives EndOfFile. On Error
  // *error holds the system's error number.
  Result ReadLine(std::string& line, long* error);

 private:
  // Refills the buffer; false on a read error. Sets m_atEnd at the end of
  // the file or at a 0x1A, keeping only the bytes before it.
  bool Fill(long* error);

  platform::OpenFile& m_file;
  std::unique_ptr<char[]> m_buffer;
  std::size_t m_pos = 0;
  std::size_t m_len = 0;
  bool m_atEnd = false;
  // The last byte of the previous read was a CR; whether it stays depends on
  // the first byte of the next one.
  bool m_pendingCr = false;
};

#endif
