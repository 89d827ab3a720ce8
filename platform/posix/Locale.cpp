#include "platform/posix/PosixServices.h"

namespace platform {

std::uint32_t PosixLocale::GetUserDefaultLCID() { return 0; }

std::string NarrowFromWide(const std::u16string& text) {
  std::string out;
  for (char16_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
}

}  // namespace platform
