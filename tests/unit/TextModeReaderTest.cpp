// The text-mode line reader of the photo list, over raw byte fixtures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "framework/TextModeReader.h"

namespace {

// Feeds bytes in chunks of a given size; fails after failAfter bytes.
TextModeReader::ByteSource Bytes(std::string bytes, std::size_t chunk, long failAfter = -1) {
  auto pos = std::make_shared<std::size_t>(0);
  return [bytes, chunk, failAfter, pos](void* buffer, std::size_t size, long* error) -> std::ptrdiff_t {
    std::size_t limit = failAfter < 0 ? bytes.size() : static_cast<std::size_t>(failAfter);
    if (failAfter >= 0 && *pos >= limit) {
      *error = 5;
      return -1;
    }
    std::size_t n = std::min({size, chunk, limit - *pos});
    std::memcpy(buffer, bytes.data() + *pos, n);
    *pos += n;
    return static_cast<std::ptrdiff_t>(n);
  };
}

std::vector<std::string> ReadAll(const std::string& bytes, std::size_t chunk) {
  TextModeReader reader(Bytes(bytes, chunk));
  std::vector<std::string> lines;
  std::string line;
  long error = 0;
  TextModeReader::Result result;
  while ((result = reader.ReadLine(line, &error)) == TextModeReader::Result::Line) lines.push_back(line);
  EXPECT_EQ(result, TextModeReader::Result::EndOfFile);
  EXPECT_TRUE(line.empty());
  return lines;
}

struct ReaderCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

TEST(TextModeReader, ReadsListsAsTextModeDoes) {
  const std::string l128(128, 'a'), l127(127, 'b'), l256(256, 'c'), l300(300, 'd');
  const ReaderCase cases[] = {
      {"LF lines", "a.jpg\nb.jpg\n", {"a.jpg", "b.jpg"}},
      {"CR LF lines", "a.jpg\r\nb.jpg\r\n", {"a.jpg", "b.jpg"}},
      {"last line without LF", "a.jpg\nb.jpg", {"a.jpg", "b.jpg"}},
      {"empty file", "", {}},
      {"only LF", "\n", {""}},
      {"empty line inside", "a\n\nb\n", {"a", "", "b"}},
      {"lone CR stays", "a\rb\nc\r", {"a\rb", "c\r"}},
      {"CR CR LF keeps one CR", "a\r\r\nb", {"a\r", "b"}},
      {"Ctrl-Z ends the file", "a\nb\x1A" "c\nd\n", {"a", "b"}},
      {"only Ctrl-Z", "\x1A", {}},
      {"CR before Ctrl-Z", "a\r\x1A\n", {"a\r"}},
      {"byte-order mark stays", "\xEF\xBB\xBF" "a.jpg\n", {"\xEF\xBB\xBF" "a.jpg"}},
      {"blanks, tabs and quotes stay", " \"a b\"\t\n", {" \"a b\"\t"}},
      {"zero byte inside", std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
      {"128 bytes", l128 + "\n" + "x", {l128, "x"}},
      {"128 bytes at the end", l128, {l128}},
      {"127 bytes and CR LF", l127 + "\r\n", {l127}},
      {"256 bytes", l256 + "\r\n" + l300 + "\n", {l256, l300}},
  };
  for (const ReaderCase& c : cases) {
    // Chunk sizes that split CR LF pairs and pieces at every place.
    for (std::size_t chunk : {1u, 2u, 3u, 7u, 128u, 512u}) {
      EXPECT_EQ(ReadAll(c.bytes, chunk), c.lines) << c.name << ", chunk " << chunk;
    }
  }
}

TEST(TextModeReader, ReportsAReadErrorThatIsNotTheEnd) {
  TextModeReader reader(Bytes("a.jpg\nb.jpg\nc.jpg\n", 4, 8));
  std::string line;
  long error = 0;
  ASSERT_EQ(reader.ReadLine(line, &error), TextModeReader::Result::Line);
  EXPECT_EQ(line, "a.jpg");
  EXPECT_EQ(reader.ReadLine(line, &error), TextModeReader::Result::Error);
  EXPECT_EQ(error, 5);
}

TEST(TextModeReader, StaysAtTheEndAfterCtrlZ) {
  TextModeReader reader(Bytes("a\x1A" "b\n", 1));
  std::string line;
  long error = 0;
  EXPECT_EQ(reader.ReadLine(line, &error), TextModeReader::Result::Line);
  EXPECT_EQ(reader.ReadLine(line, &error), TextModeReader::Result::EndOfFile);
  EXPECT_EQ(reader.ReadLine(line, &error), TextModeReader::Result::EndOfFile);
}

}  // namespace
