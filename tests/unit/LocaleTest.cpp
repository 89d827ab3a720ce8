// The user's locale on Linux: the identifier from the environment and the
// code page that texts are converted to.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/SystemServices.h"
#include "platform/posix/TextConversion.h"

namespace {

// Sets the three locale variables for one test and restores them after.
class LocaleEnvironment {
 public:
  LocaleEnvironment() {
    for (int i = 0; i < 3; ++i) {
      const char* value = std::getenv(kNames[i]);
      m_had[i] = value != nullptr;
      if (value != nullptr) m_saved[i] = value;
    }
  }
  ~LocaleEnvironment() {
    for (int i = 0; i < 3; ++i) {
      if (m_had[i]) {
        setenv(kNames[i], m_saved[i].c_str(), 1);
      } else {
        unsetenv(kNames[i]);
      }
    }
  }
  LocaleEnvironment(const LocaleEnvironment&) = delete;
  LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

  // Null leaves the variable unset.
  void Set(const char* lcAll, const char* lcMessages, const char* lang) {
    const char* values[3] = {lcAll, lcMessages, lang};
    for (int i = 0; i < 3; ++i) {
      if (values[i] != nullptr) {
        setenv(kNames[i], values[i], 1);
      } else {
        unsetenv(kNames[i]);
      }
    }
  }

 private:
  static constexpr const char* kNames[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
  bool m_had[3] = {};
  std::string m_saved[3];
};

struct LcidCase {
  const char* lcAll;
  const char* lcMessages;
  const char* lang;
  std::uint32_t expected;
};

TEST(UserDefaultLCID, ComesFromTheEnvironmentAtEachCall) {
  const LcidCase cases[] = {
      {nullptr, nullptr, "ja_JP.UTF-8", 0x0411},
      {nullptr, nullptr, "de_DE", 0x0407},
      {nullptr, nullptr, "fr_FR.ISO-8859-1", 0x040C},
      {nullptr, nullptr, "de_DE@collation=phonebook", 0x10407},
      {nullptr, nullptr, "de_DE.UTF-8@collation=phonebook", 0x10407},
      // LC_ALL before LC_MESSAGES before LANG; an empty one does not count.
      {"fr_FR", "de_DE", "ja_JP", 0x040C},
      {nullptr, "de_DE", "ja_JP", 0x0407},
      {"", "", "ja_JP", 0x0411},
      // The C and POSIX locales are the invariant locale, never 0, which an
      // absent LCID attribute reads as.
      {nullptr, nullptr, "C", 0x007F},
      {nullptr, nullptr, "POSIX", 0x007F},
      {"C.UTF-8", nullptr, "de_DE", 0x007F},
      {nullptr, nullptr, nullptr, 0x007F},
      // A locale without a Windows identifier: the custom default.
      {nullptr, nullptr, "xx_YY", 0x0C00},
  };
  LocaleEnvironment environment;
  platform::SystemLocale locale;
  for (const LcidCase& c : cases) {
    environment.Set(c.lcAll, c.lcMessages, c.lang);
    EXPECT_EQ(locale.GetUserDefaultLCID(), c.expected)
        << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " "
        << (c.lang ? c.lang : "-");
  }
}

struct ConversionCase {
  const char* codeSet;
  std::u16string text;
  std::string expected;
};

TEST(NarrowInCodeSet, CharactersTheCodeSetCannotHoldBecomeOneQuestionMarkEach) {
  // A, é, メ, an emoji, a lone lead surrogate, Z.
  const std::u16string mixed = {u'A', 0x00E9, 0x30E1, 0xD83D, 0xDE00, 0xD800, u'Z'};
  const ConversionCase cases[] = {
      {"UTF-8", mixed, "A\xC3\xA9\xE3\x83\xA1\xF0\x9F\x98\x80?Z"},
      {"ISO-8859-1", mixed, "A\xE9???Z"},
      {"SHIFT_JIS", mixed, "A?\x83\x81??Z"},
      {"ANSI_X3.4-1968", mixed, "A????Z"},
      {"NO-SUCH-CODE-SET", mixed, "A????Z"},
      {"UTF-8", u"", ""},
      {"ISO-8859-1", {0xDE00, 0xD83D}, "??"},  // trail before lead: two lone surrogates
  };
  for (const ConversionCase& c : cases) {
    EXPECT_EQ(platform::NarrowInCodeSet(c.text, c.codeSet), c.expected) << c.codeSet;
  }
}

TEST(NarrowFromWide, UsesTheCodeSetOfTheCurrentLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
  EXPECT_EQ(platform::NarrowFromWide(u"\u00E9t\u00E9"), "\xC3\xA9t\xC3\xA9");
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  EXPECT_EQ(platform::NarrowFromWide(u"\u00E9t\u00E9"), "?t?");
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(WideFromUtf8, DecodesAndReplacesIllFormedSequences) {
  const std::string text = "a\xC3\xA9\xF0\x9F\x98\x80\xFF";
  EXPECT_EQ(platform::WideFromUtf8(text.data(), text.size()), u"a\u00E9\U0001F600\uFFFD");
  EXPECT_EQ(platform::Utf8FromWide(u"a\u00E9\U0001F600"), "a\xC3\xA9\xF0\x9F\x98\x80");
}

}  // namespace
