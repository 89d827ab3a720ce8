// The desktop box hands GTK UTF-8 whatever code set the texts are in.
#if !defined(_WIN32)
#include <gtest/gtest.h>

#include "platform/posix/Utf8FromLocale.h"

namespace {

using platform::Utf8FromCodeSet;

TEST(Utf8FromCodeSet, ConvertsFromTheCodeSetAndReplacesWhatItDoesNotDefine) {
  struct Case {
    const char* codeSet;
    std::string text;
    std::string utf8;
  };
  const Case cases[] = {
      {"EUC-JP", "\xA5\xA8\xA5\xE9\xA1\xBC\n(-5)", "\xE3\x82\xA8\xE3\x83\xA9\xE3\x83\xBC\n(-5)"},  // エラー
      {"SHIFT_JIS", "\x83\x47\x83\x89\x81\x5B", "\xE3\x82\xA8\xE3\x83\xA9\xE3\x83\xBC"},
      {"ISO-8859-1", "Gr\xFC\xDF" "e", "Gr\xC3\xBC\xC3\x9F" "e"},
      {"UTF-8", "ok \xE2\x9C\x93", "ok \xE2\x9C\x93"},
      {"UTF-8", "bad \xFF end", "bad \xEF\xBF\xBD end"},                     // not UTF-8 at all
      {"UTF-8", "cut \xE3\x82", "cut \xEF\xBF\xBD\xEF\xBF\xBD"},            // cut off at the end
      {"ANSI_X3.4-1968", "C locale \x80", "C locale \xEF\xBF\xBD"},        // nl_langinfo's name of ASCII
      {"NO-SUCH-CODE-SET", "plain \xA4", "plain \xEF\xBF\xBD"},
      {"UTF-8", std::string("nul\0inside", 10), std::string("nul\0inside", 10)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8FromCodeSet(c.text, c.codeSet), c.utf8) << c.codeSet << " " << c.text;
  }
}

TEST(Utf8FromCodeSet, LongTextsPassWhole) {
  std::string text(10000, 'x');
  text += "\xA5\xA8";
  EXPECT_EQ(Utf8FromCodeSet(text, "EUC-JP"), std::string(10000, 'x') + "\xE3\x82\xA8");
}

}  // namespace

#endif
