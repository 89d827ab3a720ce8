#include <windows.h>

#include "platform/SystemServices.h"

namespace platform {

std::uint32_t SystemLocale::GetUserDefaultLCID() { return ::GetUserDefaultLCID(); }

std::string NarrowFromWide(const std::u16string& text) {
  if (text.empty()) return std::string();
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
  int wideLength = static_cast<int>(text.size());
  // Characters the code page lacks become its default character, '?'.
  int needed = ::WideCharToMultiByte(CP_THREAD_ACP, 0, wide, wideLength, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::string();
  std::string narrow(static_cast<std::size_t>(needed), '\0');
  ::WideCharToMultiByte(CP_THREAD_ACP, 0, wide, wideLength, &narrow[0], needed, nullptr, nullptr);
  return narrow;
}

}  // namespace platform
