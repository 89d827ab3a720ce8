#include "platform/win32/XmlProlog.h"

namespace platform {
namespace {

// The file as a sequence of code units: bytes, or 16-bit units of the byte
// order found. Markup characters are ASCII in every encoding read here.
class Units {
 public:
  Units(const unsigned char* bytes, std::size_t size) : m_bytes(bytes) {
    if (size >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] != 0 && bytes[1] == 0))) {
      m_width = 2;
      m_bigEndian = false;
    } else if (size >= 2 && ((bytes[0] == 0xFE && bytes[1] == 0xFF) || (bytes[0] == 0 && bytes[1] != 0))) {
      m_width = 2;
      m_bigEndian = true;
    }
    m_count = size / m_width;
  }

  std::size_t Count() const { return m_count; }

  unsigned At(std::size_t index) const {
    const unsigned char* p = m_bytes + index * m_width;
    if (m_width == 1) return p[0];
    unsigned high = m_bigEndian ? p[0] : p[1];
    unsigned low = m_bigEndian ? p[1] : p[0];
    return (high << 8u) | low;
  }

  bool StartsWith(std::size_t index, const char* ascii) const {
    for (std::size_t i = 0; ascii[i] != '\0'; ++i) {
      if (index + i >= m_count || At(index + i) != static_cast<unsigned char>(ascii[i])) return false;
    }
    return true;
  }

  // The index just after the next occurrence of ascii from index on, or
  // Count() when there is none.
  std::size_t After(std::size_t index, const char* ascii, std::size_t length) const {
    for (std::size_t i = index; i < m_count; ++i) {
      if (StartsWith(i, ascii)) return i + length;
    }
    return m_count;
  }

 private:
  const unsigned char* m_bytes;
  std::size_t m_width = 1;
  bool m_bigEndian = false;
  std::size_t m_count = 0;
};

bool IsWhiteSpace(unsigned unit) { return unit == 0x20 || unit == 0x09 || unit == 0x0D || unit == 0x0A; }

std::size_t ByteOrderMarkUnits(const Units& units) {
  if (units.Count() > 0 && units.At(0) == 0xFEFF) return 1;
  if (units.StartsWith(0, "\xEF\xBB\xBF")) return 3;
  return 0;
}

}  // namespace

bool DeclaresDocumentType(const unsigned char* bytes, std::size_t size) {
  Units units(bytes, size);
  std::size_t i = ByteOrderMarkUnits(units);
  while (i < units.Count()) {
    if (IsWhiteSpace(units.At(i))) {
      ++i;
    } else if (units.StartsWith(i, "<?")) {
      i = units.After(i + 2, "?>", 2);
    } else if (units.StartsWith(i, "<!--")) {
      i = units.After(i + 4, "-->", 3);
    } else {
      // Anything else ends the prolog: the root element's start, or bytes
      // that the parser will refuse on its own.
      return units.StartsWith(i, "<!DOCTYPE");
    }
  }
  return false;
}

}  // namespace platform
