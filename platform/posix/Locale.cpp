// The user's default locale identifier, from the locale the environment asks
// for, mapped to a Windows locale identifier by ICU.
#include <unicode/uloc.h>

#include <cstdlib>
#include <cstring>

#include "platform/SystemServices.h"

namespace platform {
namespace {

// What the C and POSIX locales stand for: ICU maps its own POSIX locale
// (en_US_POSIX) to the invariant locale. Not 0, which is what an absent or
// empty LCID attribute reads as and would match by accident.
constexpr std::uint32_t kLocaleInvariant = 0x007F;
// What Windows reports for a user locale that has no identifier of its own.
constexpr std::uint32_t kLocaleCustomDefault = 0x0C00;

// The locale the environment names for messages, as setlocale(LC_MESSAGES, "")
// would choose it. Read at each call, unlike ICU's cached default locale.
const char* RequestedLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && value[0] != '\0') return value;
  }
  return "";
}

bool IsPosixLocale(const char* locale) {
  // "C.UTF-8" and the like are the C locale with another code set.
  std::size_t length = std::strcspn(locale, ".@");
  return length == 0 || (length == 1 && locale[0] == 'C') ||
         (length == 5 && std::strncmp(locale, "POSIX", 5) == 0);
}

}  // namespace

std::uint32_t SystemLocale::GetUserDefaultLCID() {
  const char* requested = RequestedLocale();
  if (IsPosixLocale(requested)) return kLocaleInvariant;

  // The canonical form drops the code set ("ja_JP.UTF-8" is "ja_JP") and keeps
  // keywords, so a collation keyword carries its sort bits into the identifier.
  char canonical[ULOC_FULLNAME_CAPACITY + ULOC_KEYWORD_AND_VALUES_CAPACITY];
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = uloc_canonicalize(requested, canonical, sizeof canonical, &status);
  if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING ||
      length >= static_cast<int32_t>(sizeof canonical)) {
    return kLocaleCustomDefault;
  }
  std::uint32_t lcid = uloc_getLCID(canonical);
  return lcid != 0 ? lcid : kLocaleCustomDefault;
}

}  // namespace platform
