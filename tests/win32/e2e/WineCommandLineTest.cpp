// The command line as the C runtime splits it for the Windows program: the
// caller's raw command line goes to CreateProcess unchanged, and what the run
// does (the library's trace, the list deleted or kept, the boxes) shows which
// parameters arrived. The ANSI code page is the test program's, which ctest
// also sets to 932 (Japanese) for one run, so that a path of double-byte
// characters reaches the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "WineRun.h"
#include "common/ExpectedRun.h"

namespace {

using Lines = std::vector<std::string>;
using winrun::RunResult;
using winrun::Sandbox;

enum class Outcome {
  kRead,        // the check passed and the list was read, started and deleted
  kUnopenable,  // the check passed, the path opens nothing: the box, no start
  kRefused,     // the check refused the command line: nothing at all
};

struct Case {
  std::string label;
  std::string parameters;  // "{list}" and "{dir}" stand for those paths
  std::string listName;    // where the list is written, inside the sandbox
  Outcome outcome;
};

// The library's trace writes a path's bytes as a C string: backslash and
// quote escaped, every byte outside 0x20..0x7E as \xHH.
std::string Added(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (char c : path) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (byte == '\\' || byte == '"') {
      text += '\\';
      text += c;
    } else if (byte < 0x20 || byte > 0x7E) {
      text += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0x0F];
    } else {
      text += c;
    }
  }
  return "VSLibAddFile(\"" + text + "\", 1) = 0";
}

std::string Substituted(std::string text, const std::string& name, const std::string& value) {
  for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + value.size())) {
    text.replace(at, name.size(), value);
  }
  return text;
}

// Text in the ANSI code page, or empty when the page cannot hold it all.
std::string Ansi(const wchar_t* text) {
  char buffer[MAX_PATH];
  BOOL lossy = FALSE;
  int n = ::WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, &lossy);
  if (n <= 1 || lossy) return std::string();
  return std::string(buffer, static_cast<std::size_t>(n - 1));
}

// Creates the folders of a path inside the sandbox. A backslash byte that is
// the second byte of a double-byte character separates nothing.
void MakeFolders(const Sandbox& sandbox, const std::string& relative) {
  for (std::size_t at = 0; at < relative.size(); ++at) {
    if (::IsDBCSLeadByte(static_cast<BYTE>(relative[at]))) {
      ++at;
    } else if (relative[at] == '\\') {
      ::CreateDirectoryA(sandbox.Path(relative.substr(0, at)).c_str(), nullptr);
    }
  }
}

std::vector<Case> Cases() {
  std::vector<Case> cases = {
      {"quoted path with blanks", "fcc \"{dir}\\my photos\\list 1.txt\"", "my photos\\list 1.txt",
       Outcome::kRead},
      {"the same path unquoted: four parameters", "fcc {dir}\\my photos\\list 1.txt", "my photos\\list 1.txt",
       Outcome::kRefused},
      {"quotes inside a word only group", "f\"c\"c \"{list}\"", "list.txt", Outcome::kRead},
      {"\"\" as the path: an empty path", "fcc \"\"", "list.txt", Outcome::kUnopenable},
      {"\"\" as the mode word", "\"\" \"{list}\"", "list.txt", Outcome::kRefused},
      {"\"\" as a third parameter", "fcc \"{list}\" \"\"", "list.txt", Outcome::kRefused},
      {"two backslashes and a quote: one backslash, the group ends", "fcc \"{dir}\\\\\"list.txt", "list.txt",
       Outcome::kRead},
      {"one backslash and a quote: a literal quote", "fcc \"{dir}\\\"list.txt", "list.txt",
       Outcome::kUnopenable},
      {"a tab between the parameters", "fcc\t\"{list}\"", "list.txt", Outcome::kRead},
      {"runs of blanks and tabs around them", "  \tfcc \t \"{list}\"\t ", "list.txt", Outcome::kRead},
      {"/fcc", "/fcc \"{list}\"", "list.txt", Outcome::kRead},
      {"-fcc", "-fcc \"{list}\"", "list.txt", Outcome::kRead},
      {"a path with a leading '-' loses it", "fcc -{list}", "list.txt", Outcome::kRead},
  };
  // A path in the ANSI code page beyond ASCII. Under code page 932 the last
  // character's second byte is 0x5C, a backslash, right before the closing
  // quote: a double-byte character is never split, so it does not escape it.
  const std::string japanese = Ansi(L"\u5199\u771F\\\u30EA\u30B9\u30C8\u8868");
  const std::string western = Ansi(L"Fotos \u00E9t\u00E9\\liste \u00E0 c\u00F4t\u00E9.txt");
  const std::string name = ::GetACP() == 932 ? japanese : western;
  if (::GetACP() == 932 || ::GetACP() == 1252) {
    EXPECT_FALSE(name.empty()) << "code page " << ::GetACP() << " cannot hold the name";
  }
  if (!name.empty()) {
    cases.push_back({"a quoted path beyond ASCII in code page " + std::to_string(::GetACP()),
                     "fcc \"{dir}\\" + name + "\"", name, Outcome::kRead});
  }
  return cases;
}

TEST(WineCommandLine, TheCRuntimeSplitsTheRawCommandLine) {
  if (const char* expected = std::getenv("TELLAN_WINE_EXPECTED_ACP")) {
    ASSERT_EQ(::GetACP(), std::strtoul(expected, nullptr, 10)) << "the Unix locale did not reach Wine";
  }
  Sandbox sandbox;
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.label);
    MakeFolders(sandbox, c.listName);
    const std::string list = sandbox.Path(c.listName);
    const std::string photo = winrun::AcceptedPhoto(sandbox, 0);
    sandbox.WriteFile(c.listName, photo + "\r\n");
    ASSERT_TRUE(winrun::FileExists(list));
    sandbox.RemoveTrace();

    const std::string parameters =
        Substituted(Substituted(c.parameters, "{list}", list), "{dir}", sandbox.Dir());
    RunResult run = sandbox.RunRaw(parameters);
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_FALSE(run.hostEverVisible);
    switch (c.outcome) {
      case Outcome::kRead:
        EXPECT_TRUE(run.boxes.empty());
        EXPECT_EQ(sandbox.TraceLines(), (Lines{expected::kCreated, expected::kModeSet, Added(photo),
                                               "VSLibStart(0)", "VSLibClose()"}));
        EXPECT_FALSE(winrun::FileExists(list));
        break;
      case Outcome::kUnopenable:
        ASSERT_EQ(run.boxes.size(), 1u);
        EXPECT_EQ(run.boxes[0].text, expected::kNoSupportFile);
        EXPECT_EQ(sandbox.TraceLines(), (Lines{expected::kCreated, expected::kModeSet, "VSLibClose()"}));
        EXPECT_TRUE(winrun::FileExists(list));
        break;
      case Outcome::kRefused:
        EXPECT_TRUE(run.boxes.empty());
        EXPECT_FALSE(winrun::FileExists(sandbox.Path("trace.txt")));
        EXPECT_TRUE(winrun::FileExists(list));
        break;
    }
    ::DeleteFileA(list.c_str());
  }
}

// A photo whose path is beyond ASCII reaches the library byte for byte, as
// the list holds it in the ANSI code page.
TEST(WineCommandLine, PathsBeyondAsciiReachTheLibraryInTheAnsiCodePage) {
  const std::string folder = ::GetACP() == 932 ? Ansi(L"\u5199\u771F\u8868") : Ansi(L"\u00E9t\u00E9");
  if (folder.empty()) GTEST_SKIP() << "code page " << ::GetACP() << " holds neither name";
  Sandbox sandbox;
  ::CreateDirectoryA(sandbox.Path(folder).c_str(), nullptr);
  const std::string photo = sandbox.Path(folder + "\\photo.bmp");
  ASSERT_TRUE(::CopyFileA(winrun::AcceptedPhoto(sandbox, 1).c_str(), photo.c_str(), FALSE));
  const std::string list = sandbox.WriteFile(folder + "\\list.txt", photo + "\r\n");
  RunResult run = sandbox.RunRaw("fcc \"" + list + "\"");
  EXPECT_TRUE(run.boxes.empty());
  EXPECT_EQ(sandbox.TraceLines(), (Lines{expected::kCreated, expected::kModeSet, Added(photo),
                                         "VSLibStart(0)", "VSLibClose()"}));
  EXPECT_FALSE(winrun::FileExists(list));
  ::DeleteFileA(photo.c_str());
  ::RemoveDirectoryA(sandbox.Path(folder).c_str());
}

}  // namespace
