// Filling a catalog from the localized message file: one culture of one file,
// completed key by key from the built-in table.
#include "messages/BuiltInMessages.h"
#include "messages/MsgCatalog.h"
#include "platform/Services.h"

namespace {

// The message list of a culture whose child nodes the parser does not
// deliver: the culture still counts, with no messages.
class EmptyNodeList : public platform::XmlNodeList {
 public:
  long Length() const override { return 0; }
  std::unique_ptr<platform::XmlNode> Item(long) const override { return nullptr; }
};

std::unique_ptr<platform::XmlNodeList> MessagesOf(const platform::XmlNode& culture) {
  std::unique_ptr<platform::XmlNodeList> messages = culture.ChildNodes();
  if (!messages) messages = std::make_unique<EmptyNodeList>();
  return messages;
}

// Only ASCII letters fold; "true" has no others.
bool EqualsIgnoringCase(const CString& text, const char* expected) {
  std::size_t i = 0;
  for (; expected[i] != '\0'; ++i) {
    if (i >= text.size()) return false;
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != expected[i]) return false;
  }
  return i == text.size();
}

const char16_t kCultureTag[] = u"Culture";

}  // namespace

int CMsgCatalog::Load(LPCSTR pszPath) {
  if (pszPath == nullptr) pszPath = GetMessageFilePath(FALSE);

  DocumentPtr document = LoadDocument(pszPath);
  if (!document) {
    FillFromBuiltIn();
    return 0;
  }
  NodeListPtr messages = SelectCulture(*document);
  if (!messages) {
    FillFromBuiltIn();
    return 0;
  }

  const long count = messages->Length();
  for (long i = 0; i < count; ++i) {
    std::unique_ptr<platform::XmlNode> message = messages->Item(i);
    if (!message) continue;
    CString key = platform::NarrowFromWide(message->NodeName());
    CString text = platform::NarrowFromWide(message->TextContent());
    if (text.empty()) {
      // An empty message asks for the built-in text; a key outside the
      // table keeps its empty text.
      GetBuiltInText(key.c_str(), text);
    }
    SetText(key.c_str(), text.c_str());
  }

  ForEachBuiltInMessage([this](const BuiltInMessage& row) {
    CString existing;
    if (Lookup(row.key, existing)) return;
    CString text;
    GetBuiltInText(row.key, text);
    SetText(row.key, text.c_str());
  });
  return 0;
}

CMsgCatalog::DocumentPtr CMsgCatalog::LoadDocument(LPCSTR pszPath) {
  platform::XmlApi* parser = platform::GetServices().xml;
  if (parser == nullptr) return nullptr;
  DocumentPtr document = parser->CreateDocument();
  if (!document) return nullptr;
  document->SetAsync(false);
  if (document->Load(pszPath)) return document;
  // Whatever failed, even the neutral message file itself: it is tried (again) by contract.
  if (document->Load(GetMessageFilePath(TRUE))) return document;
  return nullptr;
}

CMsgCatalog::NodeListPtr CMsgCatalog::SelectCulture(platform::XmlDocument& document) {
  NodeListPtr cultures = document.GetElementsByTagName(kCultureTag);
  if (!cultures) return nullptr;
  const std::uint32_t userLCID = platform::GetServices().locale->GetUserDefaultLCID();

  // Only the chosen culture's messages are listed: a file may hold
  // thousands of cultures.
  std::unique_ptr<platform::XmlNode> neutralCandidate;
  const long count = cultures->Length();
  for (long i = 0; i < count; ++i) {
    std::unique_ptr<platform::XmlNode> culture = cultures->Item(i);
    if (!culture) continue;
    CString lcid = platform::NarrowFromWide(GetAttributeText(*culture, "LCID"));
    if (ParseLCID(lcid) == userLCID) return MessagesOf(*culture);
    CString neutral = platform::NarrowFromWide(GetAttributeText(*culture, "Neutral"));
    if (EqualsIgnoringCase(neutral, "true")) neutralCandidate = std::move(culture);
  }
  if (neutralCandidate) return MessagesOf(*neutralCandidate);
  return GetNeutralFileCulture();
}

CMsgCatalog::NodeListPtr CMsgCatalog::GetNeutralFileCulture() {
  // Loaded anew by contract, also when the caller's document is this file.
  DocumentPtr document = LoadDocument(GetMessageFilePath(TRUE));
  if (!document) return nullptr;
  NodeListPtr cultures = document->GetElementsByTagName(kCultureTag);
  if (!cultures || cultures->Length() <= 0) return nullptr;
  std::unique_ptr<platform::XmlNode> first = cultures->Item(0);
  if (!first) return nullptr;
  // The list keeps the document alive after this one goes.
  return MessagesOf(*first);
}

std::u16string CMsgCatalog::GetAttributeText(const platform::XmlNode& node, LPCSTR pszName) {
  std::u16string text;
  if (pszName == nullptr) return text;
  // Attribute names are ASCII, the same in every code page.
  std::u16string name;
  for (const char* p = pszName; *p != '\0'; ++p) {
    name.push_back(static_cast<char16_t>(static_cast<unsigned char>(*p)));
  }
  std::u16string value;
  if (node.GetAttribute(name, &value)) text = value;
  return text;
}

std::uint32_t CMsgCatalog::ParseLCID(CString strLCID) {
  // One hexadecimal digit per character, any other character a 0 digit in
  // its place. Unsigned arithmetic wraps, so a text of more than eight
  // characters keeps the value of its last eight.
  std::uint32_t value = 0;
  for (char c : strLCID) {
    std::uint32_t digit = 0;
    if (c >= '0' && c <= '9') digit = static_cast<std::uint32_t>(c - '0');
    else if (c >= 'A' && c <= 'F') digit = static_cast<std::uint32_t>(c - 'A' + 10);
    else if (c >= 'a' && c <= 'f') digit = static_cast<std::uint32_t>(c - 'a' + 10);
    value = value * 16u + digit;
  }
  return value;
}
