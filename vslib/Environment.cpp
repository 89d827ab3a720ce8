#include "vslib/Environment.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>

namespace vslib {

std::optional<std::string> TextSetting(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

std::optional<int32_t> IntegerSetting(const char* name) {
  const std::optional<std::string> text = TextSetting(name);
  if (!text) return std::nullopt;
  const char first = (*text)[0];
  if (first != '-' && first != '+' && (first < '0' || first > '9')) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text->c_str(), &end, 10);
  if (errno != 0 || end == text->c_str() || *end != '\0') return std::nullopt;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

}  // namespace vslib
