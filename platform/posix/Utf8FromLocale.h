// The program's texts are in the code set of the process's locale; the
// desktop toolkit takes UTF-8 only.
#ifndef TELLAN_PLATFORM_POSIX_UTF8FROMLOCALE_H
#define TELLAN_PLATFORM_POSIX_UTF8FROMLOCALE_H

#include <string>

namespace platform {

// text, in the named iconv code set, as UTF-8; a byte sequence the code set
// does not define becomes U+FFFD, so the result is always valid UTF-8.
std::string Utf8FromCodeSet(const std::string& text, const char* codeSet);

// text, in the code set of the process's locale (nl_langinfo(CODESET)), as UTF-8.
std::string Utf8FromLocale(const std::string& text);

}  // namespace platform

#endif
