// Reads lines of a text file in text mode from raw bytes, identically on
// every OS: CR LF reads as LF, any other CR stays, byte 0x1A ends the file,
// LF ends a line and is removed.
#ifndef TELLAN_FRAMEWORK_TEXTMODEREADER_H
#define TELLAN_FRAMEWORK_TEXTMODEREADER_H

#include <cstddef>
#include <functional>
#include <string>

class TextModeReader {
 public:
  // Reads up to size bytes: the number read, 0 at the end, -1 on an error
  // with the system's error number in *error.
  using ByteSource = std::function<std::ptrdiff_t(void* buffer, std::size_t size, long* error)>;

  // Line pieces are read at most this many characters at a time.
  static constexpr std::size_t kPieceSize = 128;

  explicit TextModeReader(ByteSource source);

  enum class Result { Line, EndOfFile, Error };

  // Reads the next line into line (emptied first). An empty line gives Line
  // with an empty string; only the end of the file gives EndOfFile. On Error
  // *error holds the system's error number.
  Result ReadLine(std::string& line, long* error);

 private:
  enum { kEnd = -1, kFailed = -2 };
  // The next byte after text-mode translation, kEnd or kFailed.
  int NextChar(long* error);
  int NextRawByte(long* error);
  // Reads one piece of at most kPieceSize characters, ending after an LF.
  int ReadPiece(std::string& line, long* error);

  ByteSource m_source;
  unsigned char m_buffer[512];
  std::size_t m_pos = 0;
  std::size_t m_len = 0;
  bool m_atEnd = false;
  int m_pushedBack = kEnd;
  bool m_hasPushedBack = false;
};

#endif
