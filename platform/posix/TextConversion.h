// Conversions between the parser's UTF-8, the DOM's UTF-16 and the narrow
// code pages of the process's locale.
#ifndef TELLAN_PLATFORM_POSIX_TEXTCONVERSION_H
#define TELLAN_PLATFORM_POSIX_TEXTCONVERSION_H

#include <iconv.h>

#include <cstddef>
#include <string>

namespace platform {

// UTF-8 as libxml2 delivers it; an ill-formed sequence becomes U+FFFD.
std::u16string WideFromUtf8(const char* text, std::size_t length);

// UTF-16 as UTF-8, for comparing with what libxml2 holds; a lone surrogate
// becomes U+FFFD.
std::string Utf8FromWide(const std::u16string& text);

// Encodes characters one at a time in an iconv code set. Each character stands
// alone, with no shift state carried over to the next, so that encoded
// characters can be mixed with bytes written as they are. The code set is
// opened at the first character: most texts never need it.
class CodeSetEncoder {
 public:
  explicit CodeSetEncoder(const char* codeSet) : m_codeSet(codeSet != nullptr ? codeSet : "") {}
  ~CodeSetEncoder();
  CodeSetEncoder(const CodeSetEncoder&) = delete;
  CodeSetEncoder& operator=(const CodeSetEncoder&) = delete;

  // Appends c and returns true; false, with nothing appended, when the code
  // set is unknown or cannot hold c exactly.
  bool Append(char32_t c, std::string* out);

 private:
  std::string m_codeSet;
  bool m_opened = false;
  iconv_t m_cd = reinterpret_cast<iconv_t>(-1);
};

// UTF-16 in the named iconv code set. Every character that the code set
// cannot hold becomes one '?', a surrogate pair and a lone surrogate alike;
// an unknown code set keeps ASCII and turns everything else into '?'.
std::string NarrowInCodeSet(const std::u16string& text, const char* codeSet);

}  // namespace platform

#endif
