// The text-mode line reader of the photo list, over raw byte fixtures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "framework/TextModeReader.h"
#include "platform/Services.h"

namespace {

// Delivers bytes in chunks of a given size; fails after failAfter bytes.
class ChunkedFile : public platform::OpenFile {
 public:
  ChunkedFile(std::string bytes, std::size_t chunk, long failAfter = -1)
      : m_bytes(std::move(bytes)), m_chunk(chunk), m_failAfter(failAfter) {}

  std::ptrdiff_t Read(void* buffer, std::size_t size, long* error) override {
    const std::size_t limit = m_failAfter < 0 ? m_bytes.size() : static_cast<std::size_t>(m_failAfter);
    if (m_failAfter >= 0 && m_pos >= limit) {
      *error = 5;
      return -1;
    }
    const std::size_t n = std::min({size, m_chunk, limit - m_pos});
    std::memcpy(buffer, m_bytes.data() + m_pos, n);
    m_pos += n;
    return static_cast<std::ptrdiff_t>(n);
  }

 private:
  std::string m_bytes;
  std::size_t m_chunk;
  long m_failAfter;
  std::size_t m_pos = 0;
};

std::vector<std::string> ReadAll(const std::string& bytes, std::size_t chunk) {
  ChunkedFile file(bytes, chunk);
  TextModeReader reader(file);
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

// Every rule where a read of the reader's own size ends: the byte at the
// boundary is the last of one read and the next byte the first of the next.
TEST(TextModeReader, KeepsTheRulesAcrossItsOwnReads) {
  const std::size_t kRead = TextModeReader::kReadSize;
  const std::string full(kRead - 1, 'a'), longer(kRead - 2, 'b');
  const std::string huge = std::string(3 * kRead + 5, 'h') + "\r" + std::string(kRead, 'i');
  const ReaderCase cases[] = {
      {"CR at the end of a read, LF after it", full + "\r\nx", {full, "x"}},
      {"CR at the end of a read, CR after it", full + "\r\r\nx", {full + "\r", "x"}},
      {"CR at the end of a read, text after it", full + "\rx\n", {full + "\rx"}},
      {"CR at the end of the last read", full + "\r", {full + "\r"}},
      {"CR at the end of a read, Ctrl-Z after it", full + "\r\x1A\n", {full + "\r"}},
      {"CR LF ends the read", longer + "\r\nx", {longer, "x"}},
      {"LF ends the read", full + "\n\n", {full, ""}},
      {"Ctrl-Z first in the next read", full + "a\x1A" "b\n", {full + "a"}},
      {"lines longer than a read", huge + "\r\n" + huge, {huge, huge}},
  };
  for (const ReaderCase& c : cases) {
    for (std::size_t chunk : {kRead, kRead - 1, std::size_t{4096}, std::size_t{7}}) {
      EXPECT_EQ(ReadAll(c.bytes, chunk), c.lines) << c.name << ", chunk " << chunk;
    }
  }
}

TEST(TextModeReader, ReportsAReadErrorThatIsNotTheEnd) {
  struct ErrorCase {
    const char* name;
    const char* bytes;
    std::size_t chunk;
    long failAfter;
    const char* firstLine;
  };
  const ErrorCase cases[] = {
      {"in the middle of the list", "a.jpg\nb.jpg\nc.jpg\n", 4, 8, "a.jpg"},
      {"after a CR that ends a read", "a\r\nb\r", 3, 5, "a"},
  };
  for (const ErrorCase& c : cases) {
    ChunkedFile file(c.bytes, c.chunk, c.failAfter);
    TextModeReader reader(file);
    std::string line;
    long error = 0;
    ASSERT_EQ(reader.ReadLine(line, &error), TextModeReader::Result::Line) << c.name;
    EXPECT_EQ(line, c.firstLine) << c.name;
    EXPECT_EQ(reader.ReadLine(line, &error), TextModeReader::Result::Error) << c.name;
    EXPECT_EQ(error, 5) << c.name;
  }
}

TEST(TextModeReader, StaysAtTheEndAfterCtrlZ) {
  ChunkedFile file("a\x1A" "b\n", 1);
  TextModeReader reader(file);
  std::string line;
  long error = 0;
  EXPECT_EQ(reader.ReadLine(line, &error), TextModeReader::Result::Line);
  EXPECT_EQ(reader.ReadLine(line, &error), TextModeReader::Result::EndOfFile);
  EXPECT_EQ(reader.ReadLine(line, &error), TextModeReader::Result::EndOfFile);
}

}  // namespace
