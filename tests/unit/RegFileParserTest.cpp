// The .reg reader of the Linux settings store.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/posix/RegFileParser.h"

namespace {

const char kV5[] = "Windows Registry Editor Version 5.00\n\n";

// UTF-16LE with its byte-order mark, as regedit exports.
std::string Utf16File(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

// Switches LC_CTYPE for one test and restores it after.
class CodePage {
 public:
  explicit CodePage(const char* locale) : m_saved(std::setlocale(LC_CTYPE, nullptr)) {
    m_ok = std::setlocale(LC_CTYPE, locale) != nullptr;
  }
  ~CodePage() { std::setlocale(LC_CTYPE, m_saved.c_str()); }
  CodePage(const CodePage&) = delete;
  CodePage& operator=(const CodePage&) = delete;
  bool ok() const { return m_ok; }

 private:
  std::string m_saved;
  bool m_ok = false;
};

struct ParseCase {
  const char* what;
  std::string file;
  const char* key;
  const char* name;
  bool present;
  std::uint32_t type;
  std::string data;
};

void Check(const std::vector<ParseCase>& cases) {
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.what);
    platform::RegFileStore store = platform::ParseRegFile(c.file);
    const platform::RegFileValue* value = store.FindValue(c.key, c.name);
    ASSERT_EQ(value != nullptr, c.present);
    if (value == nullptr) continue;
    EXPECT_EQ(value->type, c.type);
    EXPECT_EQ(value->data, c.data);
  }
}

TEST(RegFileParser, HeadersEncodingsAndLineEnds) {
  const std::string body = "[HKEY_LOCAL_MACHINE\\Software\\ORDEX]\r\n\"A\"=\"text\"\r\n";
  Check({
      {"version 5 header, LF",
       std::string(kV5) + "[HKEY_LOCAL_MACHINE\\Software\\ORDEX]\n\"A\"=\"text\"\n",
       "Software\\ORDEX", "A", true, 1, Bytes({'t', 'e', 'x', 't', 0})},
      {"REGEDIT4 header, CR LF", "REGEDIT4\r\n\r\n" + body, "Software\\ORDEX", "A", true, 1,
       std::string("text", 5)},
      {"UTF-8 with its mark", "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n" + body,
       "Software\\ORDEX", "A", true, 1, std::string("text", 5)},
      {"UTF-16LE with its mark",
       Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n"
                 u"[HKEY_LOCAL_MACHINE\\Software\\ORDEX]\r\n\"A\"=\"text\"\r\n"),
       "Software\\ORDEX", "A", true, 1, std::string("text", 5)},
      {"UTF-16LE cut in the middle of a character",
       Utf16File(u"REGEDIT4\r\n[HKLM\\K]\r\n\"A\"=\"x\"\r\n") + "\x41", "K", "A", true, 1,
       std::string("x", 2)},
      {"no header: not a settings file", body, "Software\\ORDEX", "A", false, 0, ""},
      {"header not on the first line", "; note\n" + std::string(kV5) + body, "Software\\ORDEX",
       "A", false, 0, ""},
      {"empty file", "", "", "A", false, 0, ""},
      {"UTF-16LE mark alone", "\xFF\xFE", "", "A", false, 0, ""},
  });
}

TEST(RegFileParser, ValueKindsKeepTheirExactBytes) {
  const std::string k = std::string(kV5) + "[HKEY_LOCAL_MACHINE\\K]\n";
  std::string list260 = "\"Big\"=hex(1):";
  for (int i = 0; i < 260; ++i) list260 += i == 0 ? "41" : ",\\\n  41";
  Check({
      {"escapes in the data", k + "\"P\"=\"C:\\\\P\\\\\\\"q\\\"\"\n", "K", "P", true, 1,
       std::string("C:\\P\\\"q\"", 9)},
      {"escapes in the name", k + "\"N\\\"a\\\\me\"=\"x\"\n", "K", "N\"a\\me", true, 1,
       std::string("x", 2)},
      {"empty string", k + "\"E\"=\"\"\n", "K", "E", true, 1, std::string(1, '\0')},
      {"default value", k + "@=\"d\"\n", "K", "", true, 1, std::string("d", 2)},
      {"dword", k + "\"D\"=dword:0000012a\n", "K", "D", true, 4, Bytes({0x2a, 0x01, 0, 0})},
      {"binary", k + "\"B\"=hex:41,42\n", "K", "B", true, 3, "AB"},
      {"empty binary", k + "\"B\"=hex:\n", "K", "B", true, 3, ""},
      {"string without its zero", k + "\"S\"=hex(1):43,3a\n", "K", "S", true, 1, "C:"},
      {"continued byte list", k + "\"L\"=hex(2):41,42,\\\n  43,\\\r\n  44\n", "K", "L", true, 2,
       "ABCD"},
      {"260 bytes over many lines", k + list260 + "\n", "K", "Big", true, 1, std::string(260, 'A')},
      {"blanks around the equals sign", k + "\"W\" = \"v\"  \n", "K", "W", true, 1,
       std::string("v", 2)},
      {"later lines replace earlier ones", k + "\"R\"=\"old\"\n\"R\"=\"new\"\n", "K", "R", true,
       1, std::string("new", 4)},
      {"a minus removes the value", k + "\"R\"=\"old\"\n\"R\"=-\n", "K", "R", false, 0, ""},
  });
}

TEST(RegFileParser, KeysAndNamesIgnoreCaseAndOnlyLocalMachineCounts) {
  const std::string v5 = kV5;
  Check({
      {"key and name in other letter case",
       v5 + "[hkey_local_machine\\SOFTWARE\\ordex]\n\"INSTALLFOLDER\"=\"x\"\n",
       "Software\\ORDEX", "InstallFolder", true, 1, std::string("x", 2)},
      {"HKLM abbreviation", v5 + "[HKLM\\Software]\n\"A\"=\"x\"\n", "Software", "A", true, 1,
       std::string("x", 2)},
      {"another root", v5 + "[HKEY_CURRENT_USER\\Software]\n\"A\"=\"x\"\n", "Software", "A",
       false, 0, ""},
      {"a root that only starts like ours", v5 + "[HKEY_LOCAL_MACHINEX\\Software]\n\"A\"=\"x\"\n",
       "Software", "A", false, 0, ""},
      {"deletion section",
       v5 + "[HKEY_LOCAL_MACHINE\\Software]\n\"A\"=\"x\"\n[-HKEY_LOCAL_MACHINE\\Software]\n"
            "\"A\"=\"y\"\n",
       "Software", "A", true, 1, std::string("x", 2)},
      {"same key in two sections",
       v5 + "[HKLM\\K]\n\"A\"=\"1\"\n[HKLM\\Other]\n[HKLM\\k]\n\"B\"=\"2\"\n", "K", "A", true, 1,
       std::string("1", 2)},
  });
  platform::RegFileStore store =
      platform::ParseRegFile(v5 + "[HKEY_LOCAL_MACHINE\\Software\\ORDEX\\Vistello2\\MARVO]\n");
  EXPECT_NE(store.FindKey("Software\\ORDEX\\Vistello2\\MARVO"), nullptr);
  EXPECT_NE(store.FindKey("software\\ordex"), nullptr) << "a subkey implies its parents";
  EXPECT_EQ(store.FindKey("Software\\ORDEX\\Vistello"), nullptr);
}

TEST(RegFileParser, LinesItDoesNotUnderstandAreSkipped) {
  const std::string file = std::string(kV5) +
                           "\"Orphan\"=\"before any section\"\n"
                           "[HKEY_LOCAL_MACHINE\\K]\n"
                           "; a comment\n"
                           "   ; an indented comment\n"
                           "garbage line\n"
                           "\"Open\"=\"no closing quote\n"
                           "\"Escape\"=\"C:\\P\"\n"
                           "\"Cut\"=\"C:\\\n"
                           "\"AfterCut\"=\"kept\"\n"
                           "\"Tail\"=\"x\" junk\n"
                           "\"NoEquals\" \"x\"\n"
                           "\"Dword\"=dword:xyz\n"
                           "\"LongDword\"=dword:123456789\n"
                           "\"Hex\"=hex:4g,41\n"
                           "\"HexGap\"=hex:41,,42\n"
                           "\"HexWide\"=hex:414\n"
                           "\"Type\"=hex(zz):41\n"
                           "\"Kind\"=qword:1\n"
                           "\"Dangling\"=hex:41,\\\n"
                           "[HKEY_LOCAL_MACHINE\\Broken\n"
                           "\"AfterBroken\"=\"ignored\"\n"
                           "[HKEY_LOCAL_MACHINE\\K]\n"
                           "\"Good\"=\"yes\"\n";
  platform::RegFileStore store = platform::ParseRegFile(file);
  const platform::RegFileStore::Values* values = store.FindKey("K");
  ASSERT_NE(values, nullptr);
  std::vector<std::string> names;
  for (const auto& entry : *values) names.push_back(entry.first);
  EXPECT_EQ(names, (std::vector<std::string>{"aftercut", "good"}));
  EXPECT_EQ(store.FindKey("Broken"), nullptr);
}

TEST(RegFileParser, TextIsStoredInTheProcessCodePage) {
  const std::string k = std::string(kV5) + "[HKLM\\K]\n";
  {
    CodePage ascii("C");
    ASSERT_TRUE(ascii.ok());
    Check({
        {"UTF-8 beyond the code page", k + "\"T\"=\"caf\xC3\xA9\"\n", "K", "T", true, 1,
         std::string("caf?", 5)},
        {"UTF-16 beyond the code page", Utf16File(u"REGEDIT4\n[HKLM\\K]\n\"T\"=\"caf\u00e9\"\n"),
         "K", "T", true, 1, std::string("caf?", 5)},
        {"unpaired surrogate",
         Utf16File(u"REGEDIT4\n[HKLM\\K]\n\"T\"=\"a") + std::string("\x00\xD8", 2) +
             Utf16File(u"b\"\n").substr(2),
         "K", "T", true, 1, std::string("a?b", 4)},
        {"plain bytes pass unchanged", k + "\"T\"=\"caf\xE9\"\n", "K", "T", true, 1,
         std::string("caf\xE9", 5)},
    });
  }
  CodePage utf8("C.UTF-8");
  if (!utf8.ok()) GTEST_SKIP() << "no C.UTF-8 locale";
  Check({
      {"UTF-8 code page keeps UTF-8", k + "\"T\"=\"caf\xC3\xA9\"\n", "K", "T", true, 1,
       std::string("caf\xC3\xA9", 6)},
      {"UTF-16 into UTF-8", Utf16File(u"REGEDIT4\n[HKLM\\K]\n\"T\"=\"\u20ac\U0001F600\"\n"), "K",
       "T", true, 1, std::string("\xE2\x82\xAC\xF0\x9F\x98\x80", 8)},
  });
}

}  // namespace
