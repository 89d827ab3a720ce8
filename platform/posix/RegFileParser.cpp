#include "platform/posix/RegFileParser.h"

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/posix/RegFileText.h"

namespace platform {
namespace {

using Text = std::u32string;
using TextView = std::u32string_view;

constexpr std::uint32_t kTypeString = 1;
constexpr std::uint32_t kTypeExpandString = 2;
constexpr std::uint32_t kTypeMultiString = 7;
constexpr std::uint32_t kTypeBinary = 3;
constexpr std::uint32_t kTypeDword = 4;

bool IsBlank(char32_t c) { return c == U' ' || c == U'\t'; }

TextView Trimmed(TextView text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char32_t AsciiLower(char32_t c) { return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c; }

// Consumes prefix, compared without regard to ASCII case, from the front of text.
bool ConsumePrefix(TextView* text, std::string_view prefix) {
  if (text->size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (AsciiLower((*text)[i]) != static_cast<char32_t>(prefix[i])) return false;
  }
  text->remove_prefix(prefix.size());
  return true;
}

int HexDigit(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  c = AsciiLower(c);
  if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a') + 10;
  return -1;
}

// A number of 1 to maxDigits hex digits that fills the whole of text.
bool ParseHexNumber(TextView text, std::size_t maxDigits, std::uint32_t* value) {
  if (text.empty() || text.size() > maxDigits) return false;
  std::uint32_t result = 0;
  for (char32_t c : text) {
    int digit = HexDigit(c);
    if (digit < 0) return false;
    result = (result << 4) | static_cast<std::uint32_t>(digit);
  }
  *value = result;
  return true;
}

// Comma-separated bytes of two hex digits; a trailing comma, left where a
// continuation was joined, is allowed.
bool ParseByteList(TextView text, std::string* bytes) {
  text = Trimmed(text);
  while (!text.empty()) {
    std::size_t comma = text.find(U',');
    TextView item = Trimmed(text.substr(0, comma));
    std::uint32_t value = 0;
    if (!ParseHexNumber(item, 2, &value)) return false;
    bytes->push_back(static_cast<char>(value));
    if (comma == TextView::npos) break;
    text = Trimmed(text.substr(comma + 1));
  }
  return true;
}

// A quoted string with \\ and \" escapes at the front of text; text is left
// after the closing quote.
bool ParseQuoted(TextView* text, Text* out) {
  if (text->empty() || text->front() != U'"') return false;
  std::size_t at = 1;
  while (at < text->size()) {
    char32_t c = (*text)[at];
    if (c == U'"') {
      text->remove_prefix(at + 1);
      return true;
    }
    if (c == U'\\') {
      if (at + 1 >= text->size()) return false;
      char32_t escaped = (*text)[at + 1];
      if (escaped != U'\\' && escaped != U'"') return false;
      out->push_back(escaped);
      at += 2;
    } else {
      out->push_back(c);
      ++at;
    }
  }
  return false;
}

// The data after '=': a string, dword:, hex: or hex(N):. False when it is none
// of them.
bool ParseData(TextView data, RegFileValue* value) {
  if (!data.empty() && data.front() == U'"') {
    Text text;
    if (!ParseQuoted(&data, &text) || !Trimmed(data).empty()) return false;
    value->type = kTypeString;
    value->data = NarrowFromRegFileText(text);
    value->data.push_back('\0');
    return true;
  }
  if (ConsumePrefix(&data, "dword:")) {
    std::uint32_t number = 0;
    if (!ParseHexNumber(Trimmed(data), 8, &number)) return false;
    value->type = kTypeDword;
    value->data.clear();
    for (int shift = 0; shift < 32; shift += 8) {
      value->data.push_back(static_cast<char>((number >> shift) & 0xFF));
    }
    return true;
  }
  if (ConsumePrefix(&data, "hex:")) {
    value->type = kTypeBinary;
    return ParseByteList(data, &value->data);
  }
  if (ConsumePrefix(&data, "hex(")) {
    std::size_t close = data.find(U"):");
    if (close == TextView::npos || !ParseHexNumber(data.substr(0, close), 8, &value->type)) {
      return false;
    }
    if (!ParseByteList(data.substr(close + 2), &value->data)) return false;
    // The registry holds string values in UTF-16LE, and RegQueryValueExA
    // hands them over in the code page, zeros and %...% included as they are.
    if (value->type == kTypeString || value->type == kTypeExpandString ||
        value->type == kTypeMultiString) {
      value->data = NarrowFromRegFileText(DecodeUtf16LeText(value->data));
    }
    return true;
  }
  return false;
}

class Parser {
 public:
  explicit Parser(RegFileStore* store) : m_store(store) {}

  void Line(TextView line) {
    if (line.front() == U'[') {
      Section(line);
    } else if (line.front() == U'"' || line.front() == U'@') {
      if (m_values != nullptr) Value(line);
    }
  }

 private:
  void Section(TextView line) {
    m_values = nullptr;
    if (line.back() != U']') return;
    TextView path = line.substr(1, line.size() - 2);
    // Deletions ([-...]) remove keys from a registry; a read-only store has
    // nothing to remove.
    if (path.empty() || path.front() == U'-') return;
    std::size_t separator = path.find(U'\\');
    TextView root = path.substr(0, separator);
    if (!IsLocalMachine(root)) return;
    TextView subKey = separator == TextView::npos ? TextView() : path.substr(separator + 1);
    m_values = &m_store->CreateKey(NarrowFromRegFileText(Text(subKey)));
  }

  static bool IsLocalMachine(TextView root) {
    TextView rest = root;
    if (ConsumePrefix(&rest, "hkey_local_machine") && rest.empty()) return true;
    rest = root;
    return ConsumePrefix(&rest, "hklm") && rest.empty();
  }

  void Value(TextView line) {
    Text name;
    if (line.front() == U'@') {
      line.remove_prefix(1);
    } else if (!ParseQuoted(&line, &name)) {
      return;
    }
    line = Trimmed(line);
    if (line.empty() || line.front() != U'=') return;
    TextView data = Trimmed(line.substr(1));
    std::string key = RegFileStore::Folded(NarrowFromRegFileText(name));
    if (data == U"-") {
      m_values->erase(key);
      return;
    }
    RegFileValue value{0, std::string()};
    if (ParseData(data, &value)) (*m_values)[key] = std::move(value);
  }

  RegFileStore* m_store;
  RegFileStore::Values* m_values = nullptr;  // null: lines are ignored
};

std::vector<TextView> SplitLines(const Text& text) {
  std::vector<TextView> lines;
  TextView rest(text);
  while (!rest.empty()) {
    std::size_t end = rest.find(U'\n');
    TextView line = rest.substr(0, end);
    if (!line.empty() && line.back() == U'\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == TextView::npos) break;
    rest.remove_prefix(end + 1);
  }
  return lines;
}

bool StartsWithHexDigit(TextView line) { return !line.empty() && HexDigit(line.front()) >= 0; }

bool EndsWithContinuation(const Text& line) {
  TextView rest = Trimmed(TextView(line));
  if (rest.empty() || rest.back() != U'\\') return false;
  rest = Trimmed(rest.substr(0, rest.size() - 1));
  return !rest.empty() && rest.back() == U',';
}

bool IsHeader(TextView line) {
  return line == U"Windows Registry Editor Version 5.00" || line == U"REGEDIT4";
}

}  // namespace

std::string RegFileStore::Folded(std::string name) {
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return name;
}

RegFileStore::Values& RegFileStore::CreateKey(const std::string& keyPath) {
  return m_keys[Folded(keyPath)];
}

const RegFileStore::Values* RegFileStore::FindKey(const std::string& keyPath) const {
  std::string folded = Folded(keyPath);
  auto it = m_keys.find(folded);
  if (it != m_keys.end()) return &it->second;
  // Only the keys a file names are stored, so that a deep key costs its own
  // length and not the sum of all its parents' lengths; a key above one of
  // them exists all the same, with no values. Its subkeys sort right after
  // the path and a backslash.
  folded.push_back('\\');
  it = m_keys.lower_bound(folded);
  if (it != m_keys.end() && it->first.compare(0, folded.size(), folded) == 0) return &m_noValues;
  return nullptr;
}

RegFileStore ParseRegFile(const std::string& bytes) {
  RegFileStore store;
  Text text = DecodeRegFileText(bytes);
  std::vector<TextView> lines = SplitLines(text);

  std::size_t at = 0;
  while (at < lines.size() && Trimmed(lines[at]).empty()) ++at;
  if (at == lines.size() || !IsHeader(Trimmed(lines[at]))) return store;

  Parser parser(&store);
  for (++at; at < lines.size(); ++at) {
    TextView line = Trimmed(lines[at]);
    if (line.empty() || line.front() == U';') continue;
    if (line.front() != U'"' && line.front() != U'@') {
      parser.Line(line);
      continue;
    }
    // regedit breaks long byte lists after a comma, with a backslash at the
    // end of the line, and goes on with more bytes; nothing else may be
    // swallowed by a dangling backslash.
    Text joined(line);
    while (EndsWithContinuation(joined) && at + 1 < lines.size() &&
           StartsWithHexDigit(Trimmed(lines[at + 1]))) {
      joined.pop_back();
      joined += Trimmed(lines[++at]);
    }
    parser.Line(Trimmed(joined));
  }
  return store;
}

}  // namespace platform
