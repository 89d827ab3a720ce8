#include "platform/posix/TextConversion.h"

#include <iconv.h>
#include <langinfo.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <cerrno>
#include <cstdint>
#include <vector>

#include "platform/Services.h"

namespace platform {
namespace {

constexpr char32_t kReplacement = U'?';

// One iconv descriptor from UTF-32LE, closed when it goes out of scope.
class Converter {
 public:
  explicit Converter(const char* codeSet) : m_cd(iconv_open(codeSet, "UTF-32LE")) {}
  ~Converter() {
    if (Usable()) iconv_close(m_cd);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Usable() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

  // Appends one character; false when the code set cannot hold it. The
  // descriptor is fed one character at a time so that a character it refuses
  // can be replaced without losing the shift state of stateful code sets.
  bool Append(char32_t c, std::string* out) {
    char in[4] = {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF),
                  static_cast<char>((c >> 16) & 0xFF), static_cast<char>((c >> 24) & 0xFF)};
    char* inPtr = in;
    std::size_t inLeft = sizeof in;
    char buffer[32];
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    // A nonzero count means iconv substituted the character on its own (an
    // irreversible conversion); that is a refusal too, so that only '?'
    // ever stands in for a character.
    std::size_t result = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
    if (result != 0 || inLeft != 0) {
      iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
      return false;
    }
    out->append(buffer, static_cast<std::size_t>(outPtr - buffer));
    return true;
  }

  // Returns a stateful code set to its initial state at the end of the text.
  void Finish(std::string* out) {
    char buffer[32];
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    if (iconv(m_cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) {
      out->append(buffer, static_cast<std::size_t>(outPtr - buffer));
    }
  }

 private:
  iconv_t m_cd;
};

}  // namespace

std::u16string WideFromUtf8(const char* text, std::size_t length) {
  if (text == nullptr || length == 0) return std::u16string();
  std::vector<UChar> buffer(length + 1);
  int32_t written = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(buffer.data(), static_cast<int32_t>(buffer.size()), &written, text,
                       static_cast<int32_t>(length), 0xFFFD, nullptr, &status);
  if (U_FAILURE(status)) return std::u16string();
  return std::u16string(buffer.begin(), buffer.begin() + written);
}

std::string Utf8FromWide(const std::u16string& text) {
  if (text.empty()) return std::string();
  std::string buffer(text.size() * 3, '\0');
  int32_t written = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8WithSub(&buffer[0], static_cast<int32_t>(buffer.size()), &written, text.data(),
                     static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
  if (U_FAILURE(status)) return std::string();
  buffer.resize(static_cast<std::size_t>(written));
  return buffer;
}

std::string NarrowInCodeSet(const std::u16string& text, const char* codeSet) {
  Converter converter(codeSet != nullptr ? codeSet : "");
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    char32_t c = text[i++];
    bool wellFormed = true;
    if (U16_IS_LEAD(c) && i < text.size() && U16_IS_TRAIL(text[i])) {
      c = static_cast<char32_t>(U16_GET_SUPPLEMENTARY(c, text[i]));
      ++i;
    } else if (U16_IS_SURROGATE(c)) {
      wellFormed = false;
    }
    if (!converter.Usable()) {
      out.push_back(wellFormed && c < 0x80 ? static_cast<char>(c) : '?');
    } else if (!wellFormed || !converter.Append(c, &out)) {
      if (!converter.Append(kReplacement, &out)) out.push_back('?');
    }
  }
  if (converter.Usable()) converter.Finish(&out);
  return out;
}

std::string NarrowFromWide(const std::u16string& text) {
  return NarrowInCodeSet(text, nl_langinfo(CODESET));
}

}  // namespace platform
