// The resource script's string table against the one source of the texts.
#include <gtest/gtest.h>

#include "platform/Services.h"
#include "res/resource.h"

namespace {

struct Entry {
  unsigned id;
  const char* text;
};

const Entry kEntries[] = {
#define TELLAN_STRING(id, text) {id, text},
#include "res/strings.inc"
#undef TELLAN_STRING
};

TEST(StringTable, EveryEntryLoadsExactlyAsWritten) {
  for (const Entry& entry : kEntries) {
    EXPECT_EQ(platform::LoadStringA(entry.id), entry.text) << entry.id;
  }
  EXPECT_EQ(platform::LoadStringA(1), "");
}

}  // namespace
