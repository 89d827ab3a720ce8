// The program's string table, read from the module's resources.
#include <windows.h>

#include "platform/Services.h"

namespace platform {

std::string LoadStringA(unsigned id) {
  // With a zero buffer length LoadStringW hands out a pointer to the
  // resource's own text, which carries no terminator; its length is the result.
  const wchar_t* text = nullptr;
  int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || text == nullptr) return std::string();
  return NarrowFromWide(std::u16string(reinterpret_cast<const char16_t*>(text),
                                       static_cast<std::size_t>(length)));
}

}  // namespace platform
