// Filling a catalog from the message files: culture selection, key-by-key
// completion from the built-in texts and every fall-back, through the
// platform's own parser with the settings store and the locale faked.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fakes/FakeSettings.h"
#include "fakes/FakeXml.h"
#include "messages/MsgCatalog.h"

namespace {

namespace fs = std::filesystem;

const std::string kProductKey = "Software\\ORDEX\\Vistello2";
const std::string kSettingsKey = kProductKey + "\\MARVO";

const std::string kTitle = "Ordex Vistello (MRV)";
const std::string kOK = "OK";
const std::string kCreateLib = "An error (%s) has occurred.";
const char* const kBuiltInKeys[] = {"MsgBoxTitle", "MsgBoxOK", "ErrVSTNoSupportFile",
                                    "ErrVSTIncNoSupportFile", "ErrVSTCreateLib"};

// A culture with the given attributes and messages written as XML.
std::string Culture(const std::string& attributes, const std::string& messages) {
  return "<Culture " + attributes + ">" + messages + "</Culture>";
}
std::string Title(const std::string& text) { return "<MsgBoxTitle>" + text + "</MsgBoxTitle>"; }
std::string Document(const std::string& cultures) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Messages>\n" + cultures + "\n</Messages>\n";
}

// Message files in a folder of their own, found through the settings as
// <folder>\Msg\M.xml and <folder>\Msg\N.xml.
class MessageFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static int counter = 0;
    m_folder = fs::temp_directory_path() /
               ("tellan-messages-" + std::to_string(std::chrono::steady_clock::now()
                                                        .time_since_epoch()
                                                        .count()) +
                "-" + std::to_string(++counter));
    fs::create_directories(m_folder / "Msg");
    settings.registry.SetString(kProductKey, "InstallFolder", m_folder.string());
    settings.registry.SetString(kSettingsKey, "AppendPath", "Msg");
    settings.registry.SetString(kSettingsKey, "XMLFileName", "M.xml");
    settings.registry.SetString(kSettingsKey, "XMLNeutralFileName", "N.xml");
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
  }

  void Write(const char* name, const std::string& content) {
    std::ofstream(m_folder / "Msg" / name, std::ios::binary) << content;
  }
  void WriteMessageFile(const std::string& content) { Write("M.xml", content); }
  void WriteNeutralFile(const std::string& content) { Write("N.xml", content); }
  std::string MessageFilePath() const {
    return m_folder.string() + "\\Msg\\M.xml";
  }
  std::string NeutralFilePath() const { return m_folder.string() + "\\Msg\\N.xml"; }

  // Every key of the built-in table has a text after any load.
  static void ExpectEveryBuiltInKeyFilled(const CMsgCatalog& catalog) {
    for (const char* key : kBuiltInKeys) EXPECT_FALSE(catalog.GetText(key).empty()) << key;
  }

  fakes::FakeSettings settings;
  fakes::FakeXml xml;
  fs::path m_folder;
};

struct SelectionCase {
  const char* what;
  std::uint32_t userLCID;
  std::string cultures;
  std::string title;  // the title that the chosen culture gives
};

TEST_F(MessageFileTest, ChoosesFirstMatchElseLastNeutralElseTheNeutralFile) {
  WriteNeutralFile(Document(Culture("LCID=\"0407\"", Title("neutral file"))));
  const std::vector<SelectionCase> cases = {
      {"first match wins", 0x0411,
       Culture("LCID=\"0411\"", Title("A")) + Culture("LCID=\"0411\"", Title("B")), "A"},
      {"match beats an earlier neutral", 0x0411,
       Culture("LCID=\"0409\" Neutral=\"true\"", Title("A")) +
           Culture("LCID=\"0411\"", Title("B")),
       "B"},
      {"the last of two neutral wins", 0x0C0A,
       Culture("Neutral=\"true\"", Title("A")) + Culture("Neutral=\"true\"", Title("B")) +
           Culture("LCID=\"0407\"", Title("C")),
       "B"},
      {"TRUE marks", 0x0C0A, Culture("Neutral=\"TRUE\"", Title("A")), "A"},
      {"True marks", 0x0C0A, Culture("Neutral=\"True\"", Title("A")), "A"},
      {"1 does not mark", 0x0C0A, Culture("Neutral=\"1\"", Title("A")), "neutral file"},
      {"yes does not mark", 0x0C0A, Culture("Neutral=\"yes\"", Title("A")), "neutral file"},
      {"a space before true does not mark", 0x0C0A, Culture("Neutral=\" true\"", Title("A")),
       "neutral file"},
      {"040C", 0x040C, Culture("LCID=\"040C\"", Title("A")), "A"},
      {"040c", 0x040C, Culture("LCID=\"040c\"", Title("A")), "A"},
      {"0411", 0x0411, Culture("LCID=\"0411\"", Title("A")), "A"},
      {"411", 0x0411, Culture("LCID=\"411\"", Title("A")), "A"},
      {"0x0411: the x is a 0 digit", 0x0411, Culture("LCID=\"0x0411\"", Title("A")), "A"},
      {"an absent LCID matches no real locale", 0x0409, Culture("", Title("A")),
       "neutral file"},
      {"more than eight digits keep the last eight", 0x0409,
       Culture("LCID=\"1000000409\"", Title("A")), "A"},
      {"sort bits must match", 0x10407,
       Culture("LCID=\"0407\"", Title("A")) + Culture("LCID=\"10407\"", Title("B")), "B"},
      {"language bits alone do not match sort bits", 0x10407,
       Culture("LCID=\"0407\"", Title("A")), "neutral file"},
      {"sort bits do not match the default sort", 0x0407, Culture("LCID=\"10407\"", Title("A")),
       "neutral file"},
      {"a Culture at any depth", 0x0411,
       "<Group><Inner>" + Culture("LCID=\"0411\"", Title("deep")) + "</Inner></Group>", "deep"},
      {"culture is not Culture", 0x0411, "<culture LCID=\"0411\">" + Title("A") + "</culture>",
       "neutral file"},
  };
  for (const SelectionCase& c : cases) {
    settings.locale.lcid = c.userLCID;
    WriteMessageFile(Document(c.cultures));
    CMsgCatalog catalog;
    EXPECT_EQ(catalog.Load(nullptr), 0);
    EXPECT_EQ(catalog.GetText("MsgBoxTitle"), c.title) << c.what;
  }
}

TEST_F(MessageFileTest, ParseLCIDReadsOneHexDigitPerCharacter) {
  const std::pair<const char*, std::uint32_t> cases[] = {
      {"", 0},           {"040C", 0x040C},      {"040c", 0x040C},     {"0411", 0x0411},
      {"411", 0x0411},   {"0x0411", 0x0411},    {" 411", 0x0411},     {"-411", 0x0411},
      {"41 1", 0x4101},  {"g", 0},              {"10407", 0x10407},   {"FFFFFFFF", 0xFFFFFFFF},
      {"1FFFFFFFF", 0xFFFFFFFF},                {"123456789", 0x23456789},
  };
  for (const auto& c : cases) EXPECT_EQ(CMsgCatalog::ParseLCID(c.first), c.second) << c.first;
}

struct CompletionCase {
  const char* what;
  std::string messages;  // of the culture that matches the user
  std::vector<std::pair<std::string, std::string>> expected;
};

TEST_F(MessageFileTest, TheChosenCultureIsCompletedKeyByKeyFromTheBuiltInTexts) {
  settings.locale.lcid = 0x0411;
  const std::vector<CompletionCase> cases = {
      {"a missing key gets the built-in text, not the neutral culture's",
       Title("JT"), {{"MsgBoxTitle", "JT"}, {"ErrVSTCreateLib", kCreateLib}}},
      {"an empty culture gets every built-in text", "",
       {{"MsgBoxTitle", kTitle}, {"MsgBoxOK", kOK}}},
      {"an empty MsgBoxOK gets its built-in text; another empty key stays empty",
       "<MsgBoxOK></MsgBoxOK><Custom/>", {{"MsgBoxOK", kOK}, {"Custom", ""}}},
      {"msgboxtitle is a key of its own", "<msgboxtitle>lower</msgboxtitle>",
       {{"msgboxtitle", "lower"}, {"MsgBoxTitle", kTitle}}},
      {"the later of the same key wins", Title("one") + Title("two"),
       {{"MsgBoxTitle", "two"}}},
      {"a later empty element brings the built-in text back", Title("one") + "<MsgBoxTitle/>",
       {{"MsgBoxTitle", kTitle}}},
      {"comments, text and processing instructions never become messages",
       "<!--MsgBoxTitle--> stray <?MsgBoxTitle pi?>",
       {{"MsgBoxTitle", kTitle}, {"#comment", "MsgBoxTitle"}, {"#text", "stray"}}},
      {"a prefix stays part of the name", "<x:MsgBoxTitle xmlns:x=\"urn:x\">p</x:MsgBoxTitle>",
       {{"MsgBoxTitle", kTitle}, {"x:MsgBoxTitle", "p"}}},
      {"a text keeps its inner line breaks",
       "<ErrVSTCreateLib>\n  Line one\n\nline (%s) two\n  </ErrVSTCreateLib>",
       {{"ErrVSTCreateLib", "Line one\n\nline (%s) two"}}},
  };
  for (const CompletionCase& c : cases) {
    WriteMessageFile(Document(Culture("LCID=\"0409\" Neutral=\"true\"",
                                      Title("NT") + "<ErrVSTCreateLib>neutral</ErrVSTCreateLib>") +
                              Culture("LCID=\"0411\"", c.messages) +
                              Culture("LCID=\"0411\"", Title("later match"))));
    CMsgCatalog catalog;
    catalog.Load(nullptr);
    for (const auto& entry : c.expected) {
      CString text;
      EXPECT_TRUE(catalog.Lookup(entry.first.c_str(), text)) << c.what << ": " << entry.first;
      EXPECT_EQ(text, entry.second) << c.what << ": " << entry.first;
    }
    ExpectEveryBuiltInKeyFilled(catalog);
  }
}

TEST_F(MessageFileTest, AMissingMessageFileGivesWayToTheNeutralFile) {
  settings.locale.lcid = 0x0411;
  WriteNeutralFile(Document(Culture("LCID=\"0409\"", Title("first")) +
                            Culture("LCID=\"0411\"", Title("match"))));
  CMsgCatalog catalog;
  catalog.Load(nullptr);
  EXPECT_EQ(catalog.GetText("MsgBoxTitle"), "match");
  EXPECT_EQ(xml.loads, (std::vector<std::string>{MessageFilePath(), NeutralFilePath()}));
}

TEST_F(MessageFileTest, WithoutAMatchingOrMarkedCultureTheNeutralFilesFirstCultureIsUsed) {
  settings.locale.lcid = 0x0411;
  WriteMessageFile(Document(Culture("LCID=\"0407\"", Title("German"))));
  WriteNeutralFile(Document(Culture("LCID=\"040C\" Neutral=\"no\"", Title("first")) +
                            Culture("LCID=\"0411\" Neutral=\"true\"", Title("match"))));
  CMsgCatalog catalog;
  catalog.Load(nullptr);
  EXPECT_EQ(catalog.GetText("MsgBoxTitle"), "first");
  EXPECT_EQ(xml.loads, (std::vector<std::string>{MessageFilePath(), NeutralFilePath()}));
  EXPECT_EQ(xml.documentsCreated, 2);
}

TEST_F(MessageFileTest, TheNeutralFileIsLoadedAnewWhenItWasAlreadyTheDocument) {
  // The message file is missing, so the neutral file stands in; it has no
  // matching culture, so it is loaded once more for its first culture.
  settings.locale.lcid = 0x0411;
  WriteNeutralFile(Document(Culture("LCID=\"040C\"", Title("first"))));
  CMsgCatalog catalog;
  catalog.Load(nullptr);
  EXPECT_EQ(catalog.GetText("MsgBoxTitle"), "first");
  EXPECT_EQ(xml.loads,
            (std::vector<std::string>{MessageFilePath(), NeutralFilePath(), NeutralFilePath()}));
}

struct FallbackCase {
  const char* what;
  const char* messageFile;  // null: no such file
  const char* neutralFile;
};

TEST_F(MessageFileTest, EveryKeyGetsItsBuiltInTextWhenNoCultureCanBeUsed) {
  settings.locale.lcid = 0x0411;
  const std::string unmatched = Document(Culture("LCID=\"0407\"", Title("German")));
  const std::string noCulture = Document("<Other>" + Title("outside") + "</Other>");
  const std::vector<FallbackCase> cases = {
      {"neutral file without Culture", unmatched.c_str(), noCulture.c_str()},
      {"no culture anywhere", noCulture.c_str(), noCulture.c_str()},
      {"neutral file missing", unmatched.c_str(), nullptr},
      {"no file at all", nullptr, nullptr},
      {"neither file well-formed", "<Messages>", "<Messages>"},
  };
  for (const FallbackCase& c : cases) {
    std::error_code ignored;
    fs::remove(m_folder / "Msg" / "M.xml", ignored);
    fs::remove(m_folder / "Msg" / "N.xml", ignored);
    if (c.messageFile != nullptr) WriteMessageFile(c.messageFile);
    if (c.neutralFile != nullptr) WriteNeutralFile(c.neutralFile);
    CMsgCatalog catalog;
    EXPECT_EQ(catalog.Load(nullptr), 0);
    EXPECT_EQ(catalog.GetText("MsgBoxTitle"), kTitle) << c.what;
    EXPECT_EQ(catalog.GetText("ErrVSTCreateLib"), kCreateLib) << c.what;
  }
}

TEST_F(MessageFileTest, ANotWellFormedMessageFileGivesWayToTheNeutralFile) {
  settings.locale.lcid = 0x0411;
  WriteMessageFile("<Messages>" + Culture("LCID=\"0411\"", Title("broken")));
  WriteNeutralFile(Document(Culture("LCID=\"0411\"", Title("neutral"))));
  CMsgCatalog catalog;
  catalog.Load(nullptr);
  EXPECT_EQ(catalog.GetText("MsgBoxTitle"), "neutral");
}

TEST_F(MessageFileTest, WithoutAParserEveryKeyGetsItsBuiltInText) {
  WriteMessageFile(Document(Culture("LCID=\"0409\"", Title("file"))));
  xml.noParser = true;
  CMsgCatalog catalog;
  EXPECT_EQ(catalog.Load(nullptr), 0);
  EXPECT_EQ(catalog.GetText("MsgBoxTitle"), kTitle);
  EXPECT_TRUE(xml.loads.empty());
}

TEST_F(MessageFileTest, ACultureListThatFailsEndsInBuiltInTextsWithoutTheNeutralFile) {
  settings.locale.lcid = 0x0409;
  WriteMessageFile(Document(Culture("LCID=\"0409\"", Title("file"))));
  WriteNeutralFile(Document(Culture("LCID=\"0409\"", Title("neutral"))));
  xml.listingFails = true;
  CMsgCatalog catalog;
  catalog.Load(nullptr);
  EXPECT_EQ(catalog.GetText("MsgBoxTitle"), kTitle);
  EXPECT_EQ(xml.loads, std::vector<std::string>{MessageFilePath()});
}

TEST_F(MessageFileTest, AnExplicitPathIsLoadedInsteadOfTheSettingsOne) {
  settings.locale.lcid = 0x0409;
  WriteMessageFile(Document(Culture("LCID=\"0409\"", Title("settings"))));
  Write("other.xml", Document(Culture("LCID=\"0409\"", Title("explicit"))));
  const std::string other = (m_folder / "Msg" / "other.xml").string();
  CMsgCatalog catalog;
  catalog.Load(other.c_str());
  EXPECT_EQ(catalog.GetText("MsgBoxTitle"), "explicit");
  EXPECT_EQ(xml.loads, std::vector<std::string>{other});
}

TEST_F(MessageFileTest, EachLoadReadsTheFileAnew) {
  settings.locale.lcid = 0x0409;
  WriteMessageFile(Document(Culture("LCID=\"0409\"", Title("before"))));
  CMsgCatalog first;
  first.Load(nullptr);
  WriteMessageFile(Document(Culture("LCID=\"0409\"", Title("after"))));
  CMsgCatalog second;
  second.Load(nullptr);
  EXPECT_EQ(first.GetText("MsgBoxTitle"), "before");
  EXPECT_EQ(second.GetText("MsgBoxTitle"), "after");
}

TEST_F(MessageFileTest, HostileMessageFilesEndInTheBuiltInTexts) {
  settings.locale.lcid = 0x0409;
  const char* names[] = {"billion-laughs.xml", "entity-multiplication.xml", "external-entity.xml",
                         "external-dtd.xml", "network-dtd.xml"};
  for (const char* name : names) {
    fs::copy_file(fs::path(TELLAN_TEST_DATA_DIR) / "xml" / name, m_folder / "Msg" / "M.xml",
                  fs::copy_options::overwrite_existing);
    const auto start = std::chrono::steady_clock::now();
    CMsgCatalog catalog;
    catalog.Load(nullptr);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    // An expanded entity would be far too long to print.
    const CString title = catalog.GetText("MsgBoxTitle");
    EXPECT_TRUE(title == kTitle) << name << ": a title of " << title.size() << " bytes: "
                                 << title.substr(0, 40);
    EXPECT_LT(elapsed.count(), 5.0) << name;
  }
}

// The shipped files: every culture complete, with the built-in line structure
// and one "%s" where the code goes.
TEST_F(MessageFileTest, TheShippedMessageFilesHaveEveryCultureComplete) {
  const fs::path shipped = fs::path(TELLAN_TEST_DATA_DIR) / ".." / ".." / "examples" / "messages";
  fs::copy_file(shipped / "messages.xml", m_folder / "Msg" / "M.xml");
  fs::copy_file(shipped / "messages-neutral.xml", m_folder / "Msg" / "N.xml");
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  // Without a UTF-8 locale the Japanese texts arrive as '?'s.
  const bool utf8 = std::setlocale(LC_ALL, "C.UTF-8") != nullptr;

  const std::pair<std::uint32_t, const char*> cultures[] = {
      {0x0409, "An error (%s) has occurred."},
      {0x0411, "\xE3\x82\xA8\xE3\x83\xA9\xE3\x83\xBC (%s) \xE3\x81\x8C\xE7\x99\xBA\xE7\x94\x9F"
               "\xE3\x81\x97\xE3\x81\xBE\xE3\x81\x97\xE3\x81\x9F\xE3\x80\x82"},
      {0x0407, "Ein Fehler (%s) ist aufgetreten."},
      {0x040C, "Une erreur (%s) s'est produite."},
      {0x0416, "An error (%s) has occurred."},  // no Portuguese: the neutral culture
  };
  for (const auto& culture : cultures) {
    settings.locale.lcid = culture.first;
    CMsgCatalog catalog;
    catalog.Load(nullptr);
    if (utf8 || culture.first != 0x0411) {
      EXPECT_EQ(catalog.GetText("ErrVSTCreateLib"), culture.second) << std::hex << culture.first;
    }
    EXPECT_EQ(catalog.GetText("MsgBoxTitle"), kTitle);
    for (const char* key : {"ErrVSTNoSupportFile", "ErrVSTIncNoSupportFile"}) {
      const CString text = catalog.GetText(key);
      EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7) << key;
      EXPECT_EQ(text.find("\n\n"), text.find('\n')) << key;
    }
  }
  // The English texts are the built-in ones, line for line.
  settings.locale.lcid = 0x0409;
  CMsgCatalog english;
  english.Load(nullptr);
  CMsgCatalog builtIn;
  builtIn.FillFromBuiltIn();
  for (const char* key : kBuiltInKeys) EXPECT_EQ(english.GetText(key), builtIn.GetText(key)) << key;
  // The neutral file alone is English too.
  fs::remove(m_folder / "Msg" / "M.xml");
  CMsgCatalog neutral;
  neutral.Load(nullptr);
  for (const char* key : kBuiltInKeys) EXPECT_EQ(neutral.GetText(key), builtIn.GetText(key)) << key;

  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
