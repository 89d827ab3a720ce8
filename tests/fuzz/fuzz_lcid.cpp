// A culture's LCID attribute against the rule: one hex digit per character,
// any other character a 0 digit, the value of the last eight characters.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "messages/MsgCatalog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::string digits = text.size() > 8 ? text.substr(text.size() - 8) : text;
  for (char& c : digits) {
    bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    if (!hex) c = '0';
  }
  std::uint32_t expected =
      digits.empty() ? 0 : static_cast<std::uint32_t>(std::strtoul(digits.c_str(), nullptr, 16));
  if (CMsgCatalog::ParseLCID(text) != expected) {
    std::fprintf(stderr, "ParseLCID differs from the rule\n");
    std::abort();
  }
  return 0;
}
