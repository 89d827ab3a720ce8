#include "platform/posix/TextConversion.h"

#include <iconv.h>
#include <langinfo.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <cstdint>
#include <vector>

#include "platform/Services.h"

namespace platform {
namespace {

constexpr char kReplacement = '?';

bool IsOpen(iconv_t cd) { return cd != reinterpret_cast<iconv_t>(-1); }

}  // namespace

CodeSetEncoder::~CodeSetEncoder() {
  if (IsOpen(m_cd)) iconv_close(m_cd);
}

bool CodeSetEncoder::Append(char32_t c, std::string* out) {
  if (!m_opened) {
    m_cd = iconv_open(m_codeSet.c_str(), "UTF-32LE");
    m_opened = true;
  }
  if (!IsOpen(m_cd)) return false;
  char in[4] = {static_cast<char>(c & 0xFF), static_cast<char>((c >> 8) & 0xFF),
                static_cast<char>((c >> 16) & 0xFF), static_cast<char>((c >> 24) & 0xFF)};
  char* inPtr = in;
  std::size_t inLeft = sizeof in;
  char encoded[32];
  char* outPtr = encoded;
  std::size_t outLeft = sizeof encoded;
  iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
  // A nonzero count means iconv substituted the character on its own (an
  // irreversible conversion); that is a refusal too, so that only the
  // caller's replacement ever stands in for a character.
  if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) != 0 || inLeft != 0) return false;
  // Return to the initial shift state after the character.
  if (iconv(m_cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return false;
  out->append(encoded, static_cast<std::size_t>(outPtr - encoded));
  return true;
}

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
  CodeSetEncoder encoder(codeSet);
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    char32_t c = text[i++];
    if (U16_IS_LEAD(c) && i < text.size() && U16_IS_TRAIL(text[i])) {
      c = static_cast<char32_t>(U16_GET_SUPPLEMENTARY(c, text[i]));
      ++i;
    } else if (U16_IS_SURROGATE(c)) {
      out.push_back(kReplacement);
      continue;
    }
    // The code sets of the C library's locales all keep ASCII as it is.
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (!encoder.Append(c, &out)) {
      out.push_back(kReplacement);
    }
  }
  return out;
}

std::string NarrowFromWide(const std::u16string& text) {
  return NarrowInCodeSet(text, nl_langinfo(CODESET));
}

}  // namespace platform
