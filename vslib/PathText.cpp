#include "vslib/PathText.h"

namespace vslib {

std::string QuotedPath(const char* path) {
  if (path == nullptr) return "NULL";
  static const char kHex[] = "0123456789ABCDEF";
  std::string text = "\"";
  for (const char* p = path; *p != '\0'; ++p) {
    const auto byte = static_cast<unsigned char>(*p);
    if (byte == '\\' || byte == '"') {
      text += '\\';
      text += static_cast<char>(byte);
    } else if (byte < 0x20 || byte > 0x7E) {
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 0x0F];
    } else {
      text += static_cast<char>(byte);
    }
  }
  text += '"';
  return text;
}

}  // namespace vslib
