#include "platform/posix/Utf8FromLocale.h"

#include <iconv.h>
#include <langinfo.h>

#include <cerrno>

namespace platform {
namespace {

const char kReplacementCharacter[] = "\xEF\xBF\xBD";

}  // namespace

std::string Utf8FromCodeSet(const std::string& text, const char* codeSet) {
  iconv_t cd = iconv_open("UTF-8", codeSet != nullptr ? codeSet : "");
  if (cd == reinterpret_cast<iconv_t>(-1)) cd = iconv_open("UTF-8", "ASCII");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string();
  std::string out;
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  while (inLeft > 0) {
    char buffer[256];
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // An invalid or cut-off sequence: one byte stands for it.
      out += kReplacementCharacter;
      ++in;
      --inLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return out;
}

std::string Utf8FromLocale(const std::string& text) { return Utf8FromCodeSet(text, nl_langinfo(CODESET)); }

}  // namespace platform
