#include "framework/TextModeReader.h"

#include <utility>

namespace {
constexpr int kCtrlZ = 0x1A;
}

TextModeReader::TextModeReader(ByteSource source) : m_source(std::move(source)) {}

int TextModeReader::NextRawByte(long* error) {
  if (m_atEnd) return kEnd;
  if (m_pos == m_len) {
    std::ptrdiff_t got = m_source(m_buffer, sizeof m_buffer, error);
    if (got < 0) return kFailed;
    if (got == 0) {
      m_atEnd = true;
      return kEnd;
    }
    m_pos = 0;
    m_len = static_cast<std::size_t>(got);
  }
  int c = m_buffer[m_pos++];
  if (c == kCtrlZ) {
    // Neither the end-of-file byte nor anything after it is read.
    m_atEnd = true;
    return kEnd;
  }
  return c;
}

int TextModeReader::NextChar(long* error) {
  int c;
  if (m_hasPushedBack) {
    m_hasPushedBack = false;
    c = m_pushedBack;
  } else {
    c = NextRawByte(error);
  }
  if (c != '\r') return c;
  int next = NextRawByte(error);
  if (next == '\n') return '\n';
  if (next == kFailed) return kFailed;
  // A CR not followed by LF is an ordinary character; what followed it is
  // read next.
  m_pushedBack = next;
  m_hasPushedBack = next != kEnd;
  return '\r';
}

int TextModeReader::ReadPiece(std::string& line, long* error) {
  for (std::size_t n = 0; n < kPieceSize; ++n) {
    int c = NextChar(error);
    if (c < 0) return c;
    line.push_back(static_cast<char>(c));
    if (c == '\n') return '\n';
  }
  return 0;
}

TextModeReader::Result TextModeReader::ReadLine(std::string& line, long* error) {
  line.clear();
  for (;;) {
    int end = ReadPiece(line, error);
    if (end == kFailed) return Result::Error;
    if (end == '\n') {
      line.pop_back();
      return Result::Line;
    }
    if (end == kEnd) return line.empty() ? Result::EndOfFile : Result::Line;
    // A full piece without LF: the line goes on in the next piece.
  }
}
