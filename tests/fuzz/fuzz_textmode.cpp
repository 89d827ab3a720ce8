// The text-mode line reader against a plain statement of its rules: CR LF
// reads as LF, any other CR stays, 0x1A ends the file, a last line without LF
// is a line, an empty file has none. Any difference aborts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/TextModeReader.h"
#include "platform/Services.h"

namespace {

std::vector<std::string> ModelLines(std::string text) {
  text = text.substr(0, text.find('\x1A'));
  std::string translated;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) translated += text[i];
  }
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = translated.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(translated.substr(start, end - start));
  }
  if (start < translated.size()) lines.push_back(translated.substr(start));
  return lines;
}

// A file that hands out at most m_chunk bytes per read.
class ChunkedFile : public platform::OpenFile {
 public:
  ChunkedFile(const std::string& text, std::size_t chunk) : m_text(text), m_chunk(chunk) {}
  std::ptrdiff_t Read(void* buffer, std::size_t size, long*) override {
    std::size_t count = std::min({size, m_chunk, m_text.size() - m_at});
    std::memcpy(buffer, m_text.data() + m_at, count);
    m_at += count;
    return static_cast<std::ptrdiff_t>(count);
  }

 private:
  const std::string& m_text;
  std::size_t m_chunk;
  std::size_t m_at = 0;
};

std::vector<std::string> ReaderLines(const std::string& text, std::size_t chunk) {
  ChunkedFile file(text, chunk);
  TextModeReader reader(file);
  std::vector<std::string> lines;
  std::string line;
  long error = 0;
  for (;;) {
    TextModeReader::Result result = reader.ReadLine(line, &error);
    if (result == TextModeReader::Result::EndOfFile) break;
    if (result != TextModeReader::Result::Line) {
      std::fprintf(stderr, "read error from a source that has none\n");
      std::abort();
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> expected = ModelLines(text);
  // Whole reads, and short reads that split CR LF pairs across reads.
  for (std::size_t chunk : {text.size() + 1, std::size_t{1}, std::size_t{7}}) {
    if (ReaderLines(text, chunk) != expected) {
      std::fprintf(stderr, "lines differ from the model (reads of %zu bytes)\n", chunk);
      std::abort();
    }
  }
  return 0;
}
