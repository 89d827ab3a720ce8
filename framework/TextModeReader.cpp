#include "framework/TextModeReader.h"

#include <cstring>

#include "platform/Services.h"

namespace {
constexpr char kCtrlZ = 0x1A;
}

TextModeReader::TextModeReader(platform::OpenFile& file)
    : m_file(file), m_buffer(new char[kReadSize]) {}

TextModeReader::~TextModeReader() = default;

bool TextModeReader::Fill(long* error) {
  m_pos = 0;
  m_len = 0;
  const std::ptrdiff_t got = m_file.Read(m_buffer.get(), kReadSize, error);
  if (got < 0) return false;
  if (got == 0) {
    m_atEnd = true;
    return true;
  }
  m_len = static_cast<std::size_t>(got);
  // Neither the end-of-file byte nor anything after it is read, so the file
  // is not read any further either.
  if (const void* ctrlZ = std::memchr(m_buffer.get(), kCtrlZ, m_len)) {
    m_len = static_cast<std::size_t>(static_cast<const char*>(ctrlZ) - m_buffer.get());
    m_atEnd = true;
  }
  return true;
}

TextModeReader::Result TextModeReader::ReadLine(std::string& line, long* error) {
  line.clear();
  for (;;) {
    if (m_pos == m_len) {
      if (m_atEnd) {
        if (m_pendingCr) {
          m_pendingCr = false;
          line.push_back('\r');
        }
        return line.empty() ? Result::EndOfFile : Result::Line;
      }
      if (!Fill(error)) return Result::Error;
      continue;
    }
    const char* start = m_buffer.get() + m_pos;
    const std::size_t available = m_len - m_pos;
    if (m_pendingCr) {
      m_pendingCr = false;
      if (*start == '\n') {
        ++m_pos;
        return Result::Line;
      }
      line.push_back('\r');
    }
    const auto* lf = static_cast<const char*>(std::memchr(start, '\n', available));
    if (lf != nullptr) {
      std::size_t length = static_cast<std::size_t>(lf - start);
      m_pos += length + 1;
      if (length > 0 && start[length - 1] == '\r') --length;
      line.append(start, length);
      return Result::Line;
    }
    // No LF in the buffer: the line goes on in the next read. A CR at the
    // end may be the first half of a CR LF.
    std::size_t length = available;
    if (start[length - 1] == '\r') {
      m_pendingCr = true;
      --length;
    }
    line.append(start, length);
    m_pos = m_len;
  }
}
