#include "messages/CodeFormat.h"

#include <cstdio>
#include <vector>

namespace {

// A field wider than this is no message, only a way to exhaust memory.
constexpr std::size_t kMaxFieldDigits = 3;

// A message text may hold any byte, NUL included, and a NUL is no flag.
bool IsFlag(char c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }

// Skips a run of digits; false when it is longer than kMaxFieldDigits.
bool SkipDigits(const std::string& text, std::size_t& i) {
  std::size_t start = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  return i - start <= kMaxFieldDigits;
}

// The length of a string conversion "%[flags][width][.precision]s" at text[pos],
// or 0 when no such conversion starts there.
std::size_t StringConversionLength(const std::string& text, std::size_t pos) {
  std::size_t i = pos + 1;
  while (i < text.size() && IsFlag(text[i])) ++i;
  if (!SkipDigits(text, i)) return 0;
  if (i < text.size() && text[i] == '.') {
    ++i;
    if (!SkipDigits(text, i)) return 0;
  }
  if (i < text.size() && text[i] == 's') return i + 1 - pos;
  return 0;
}

std::string FormatOneConversion(const std::string& conversion, const std::string& argument) {
  int size = std::snprintf(nullptr, 0, conversion.c_str(), argument.c_str());
  if (size <= 0) return std::string();
  std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
  std::snprintf(buffer.data(), buffer.size(), conversion.c_str(), argument.c_str());
  return std::string(buffer.data(), static_cast<std::size_t>(size));
}

}  // namespace

std::string FormatWithOneString(const std::string& text, const std::string& argument) {
  std::string out;
  bool argumentUsed = false;
  std::size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c != '%') {
      out.push_back(c);
      ++i;
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == '%') {
      out.push_back('%');
      i += 2;
      continue;
    }
    std::size_t length = argumentUsed ? 0 : StringConversionLength(text, i);
    if (length != 0) {
      // The conversion's width and precision are digits we checked, so the
      // format holds exactly one conversion that reads exactly our string.
      out += FormatOneConversion(text.substr(i, length), argument);
      argumentUsed = true;
      i += length;
      continue;
    }
    out.push_back('%');
    ++i;
  }
  return out;
}
