// The program's string table, compiled in from the single source in res/.
#include <cstring>

#include "platform/Services.h"
#include "res/resource.h"

namespace {

struct StringEntry {
  unsigned id;
  const char* text;
};

const StringEntry kStrings[] = {
#define TELLAN_STRING(id, text) {id, text},
#include "res/strings.inc"
#undef TELLAN_STRING
};

}  // namespace

namespace platform {

std::string LoadStringA(unsigned id) {
  // The texts are plain ASCII, the same in every code page.
  for (const StringEntry& entry : kStrings) {
    if (entry.id == id) return entry.text;
  }
  return std::string();
}

}  // namespace platform
