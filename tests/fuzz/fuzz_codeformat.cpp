// The formatter of a code in a message text against its rule: only the first
// "%s" conversion (flags, a width and a precision of at most three digits)
// receives the code, "%%" becomes "%", every other byte shows as written.
// The first input byte gives the code's length; a text may hold any byte.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "messages/CodeFormat.h"

namespace {

// Up to three digits at text[*at]; false when there are more.
bool Digits(const std::string& text, std::size_t* at, std::size_t* value) {
  std::size_t count = 0;
  *value = 0;
  for (; *at < text.size() && text[*at] >= '0' && text[*at] <= '9'; ++*at, ++count) {
    *value = *value * 10 + static_cast<std::size_t>(text[*at] - '0');
  }
  return count <= 3;
}

// The conversion at text[pos] ('%'), formatted into *out; false when none starts there.
bool Conversion(const std::string& text, std::size_t pos, const std::string& code, std::string* out,
                std::size_t* next) {
  std::size_t at = pos + 1;
  bool left = false;
  for (; at < text.size() && std::string("-+ #0").find(text[at]) != std::string::npos; ++at) {
    left = left || text[at] == '-';
  }
  std::size_t width = 0;
  std::size_t precision = code.size();
  if (!Digits(text, &at, &width)) return false;
  if (at < text.size() && text[at] == '.' && !Digits(text, &++at, &precision)) return false;
  if (at >= text.size() || text[at] != 's') return false;
  std::string shown = code.substr(0, precision);
  std::string padding(width > shown.size() ? width - shown.size() : 0, ' ');
  *out += left ? shown + padding : padding + shown;
  *next = at + 1;
  return true;
}

std::string Expected(const std::string& text, const std::string& code) {
  std::string out;
  bool used = false;
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') {
      out += '%';
      i += 2;
    } else if (text[i] == '%' && !used && Conversion(text, i, code, &out, &i)) {
      used = true;
    } else {
      out += text[i++];
    }
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::size_t codeLength = data[0] % 16;
  std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string code = rest.substr(0, codeLength);
  // The code is a C string: the formatter hands it on as one.
  code = code.substr(0, code.find('\0'));
  std::string text = rest.substr(codeLength < rest.size() ? codeLength : rest.size());
  if (FormatWithOneString(text, code) != Expected(text, code)) {
    std::fprintf(stderr, "formatted text differs from the rule\n");
    std::abort();
  }
  return 0;
}
