#include "platform/posix/RegFileText.h"

#include <langinfo.h>

#include <cstddef>
#include <cstdint>

#include "platform/posix/TextConversion.h"

namespace platform {
namespace {

// Raw bytes that are not UTF-8 travel as lone low surrogates U+DC80..U+DCFF,
// which no decoded character can be.
constexpr char32_t kEscapedByteBase = 0xDC80;
constexpr char32_t kReplacement = U'?';

bool IsEscapedByte(char32_t c) { return c >= kEscapedByteBase && c <= kEscapedByteBase + 0xFF; }

std::u32string DecodeUtf16Le(const std::string& bytes, std::size_t start) {
  std::u32string out;
  auto unit = [&bytes](std::size_t at) {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                 (static_cast<unsigned char>(bytes[at + 1]) << 8));
  };
  std::size_t at = start;
  while (at + 1 < bytes.size()) {
    char16_t first = unit(at);
    at += 2;
    if (first >= 0xD800 && first <= 0xDBFF && at + 1 < bytes.size()) {
      char16_t second = unit(at);
      if (second >= 0xDC00 && second <= 0xDFFF) {
        at += 2;
        out.push_back(0x10000 + ((static_cast<char32_t>(first) - 0xD800) << 10) +
                      (static_cast<char32_t>(second) - 0xDC00));
        continue;
      }
    }
    out.push_back(first >= 0xD800 && first <= 0xDFFF ? kReplacement : first);
  }
  // An odd trailing byte is not a character.
  return out;
}

// The length of the valid UTF-8 sequence at bytes[at], or 0 when there is none.
std::size_t Utf8SequenceAt(const std::string& bytes, std::size_t at, char32_t* decoded) {
  auto byte = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  unsigned char lead = byte(at);
  std::size_t length;
  char32_t value;
  char32_t minimum;
  if (lead < 0x80) {
    *decoded = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1Fu, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0Fu, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07u, minimum = 0x10000;
  } else {
    return 0;
  }
  if (bytes.size() - at < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    unsigned char next = byte(at + i);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3Fu);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *decoded = value;
  return length;
}

std::u32string DecodeUtf8OrBytes(const std::string& bytes, std::size_t start) {
  std::u32string out;
  out.reserve(bytes.size() - start);
  std::size_t at = start;
  while (at < bytes.size()) {
    char32_t decoded = 0;
    std::size_t length = Utf8SequenceAt(bytes, at, &decoded);
    if (length == 0) {
      out.push_back(kEscapedByteBase + static_cast<unsigned char>(bytes[at]));
      ++at;
    } else {
      out.push_back(decoded);
      at += length;
    }
  }
  return out;
}

}  // namespace

std::u32string DecodeRegFileText(const std::string& bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    return DecodeUtf16Le(bytes, 2);
  }
  bool utf8Mark = bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
                  static_cast<unsigned char>(bytes[1]) == 0xBB &&
                  static_cast<unsigned char>(bytes[2]) == 0xBF;
  return DecodeUtf8OrBytes(bytes, utf8Mark ? 3 : 0);
}

std::u32string DecodeUtf16LeText(const std::string& bytes) { return DecodeUtf16Le(bytes, 0); }

std::string NarrowFromRegFileText(const std::u32string& text) {
  std::string out;
  out.reserve(text.size());
  CodeSetEncoder encoder(nl_langinfo(CODESET));
  for (char32_t c : text) {
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (IsEscapedByte(c)) {
      out.push_back(static_cast<char>(c - kEscapedByteBase));
    } else if (!encoder.Append(c, &out)) {
      out.push_back(static_cast<char>(kReplacement));
    }
  }
  return out;
}

}  // namespace platform
