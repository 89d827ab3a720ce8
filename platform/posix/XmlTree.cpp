#include "platform/posix/XmlTree.h"

#include <cstring>

#include "platform/posix/TextConversion.h"

namespace platform {
namespace {

// Processing instructions are named so that they can never equal a message
// key: a DOM would name one after its target, and <?MsgBoxTitle x?> would
// then pass for a message.
constexpr char kProcessingInstructionName[] = "#processing-instruction";

bool IsXmlWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool AllWhiteSpace(const xmlChar* text) {
  if (text == nullptr) return true;
  for (; *text != '\0'; ++text) {
    if (!IsXmlWhiteSpace(static_cast<char>(*text))) return false;
  }
  return true;
}

std::string QualifiedName(const xmlChar* prefixText, const xmlChar* localName) {
  std::string name;
  if (prefixText != nullptr) {
    name = reinterpret_cast<const char*>(prefixText);
    name += ':';
  }
  if (localName != nullptr) name += reinterpret_cast<const char*>(localName);
  return name;
}

std::string ElementName(const xmlNode* element) {
  return QualifiedName(element->ns != nullptr ? element->ns->prefix : nullptr, element->name);
}

// Whether prefix:localName (localName alone without a prefix) is wanted,
// compared where the names lie: a search visits every element of a file.
bool HasQualifiedName(const xmlChar* prefixText, const xmlChar* localName, const std::string& wanted) {
  std::size_t at = 0;
  if (prefixText != nullptr) {
    const std::size_t length = std::strlen(reinterpret_cast<const char*>(prefixText));
    if (wanted.size() <= length || wanted.compare(0, length, reinterpret_cast<const char*>(prefixText)) != 0 ||
        wanted[length] != ':') {
      return false;
    }
    at = length + 1;
  }
  const char* local = localName != nullptr ? reinterpret_cast<const char*>(localName) : "";
  return wanted.compare(at, std::string::npos, local) == 0;
}

// Text that only separates elements is no node of the DOM view unless
// xml:space="preserve" is in force; CDATA sections always are.
bool IsSeparatingWhiteSpace(const xmlNode* node, bool preserve) {
  return !preserve && node->type == XML_TEXT_NODE && AllWhiteSpace(node->content);
}

std::string OwnContent(const xmlNode* node) {
  return node->content != nullptr ? reinterpret_cast<const char*>(node->content) : "";
}

std::u16string Wide(const std::string& utf8) { return WideFromUtf8(utf8.data(), utf8.size()); }

// A run of character data; white space at the ends of the text content is
// trimmed from text, never from CDATA sections.
struct Piece {
  std::string text;
  bool trimmable;
};

void CollectCharacterData(xmlNodePtr parent, bool preserve, std::vector<Piece>* pieces) {
  for (xmlNodePtr child = parent->children; child != nullptr; child = child->next) {
    if (IsSeparatingWhiteSpace(child, preserve)) continue;
    switch (child->type) {
      case XML_TEXT_NODE:
        pieces->push_back({OwnContent(child), true});
        break;
      case XML_CDATA_SECTION_NODE:
        pieces->push_back({OwnContent(child), false});
        break;
      case XML_ELEMENT_NODE:
        CollectCharacterData(child, PreservesWhiteSpace(child, preserve), pieces);
        break;
      default:  // comments and processing instructions carry no text
        break;
    }
  }
}

void TrimEnds(std::vector<Piece>* pieces) {
  for (Piece& piece : *pieces) {
    if (!piece.trimmable) break;
    std::size_t start = 0;
    while (start < piece.text.size() && IsXmlWhiteSpace(piece.text[start])) ++start;
    piece.text.erase(0, start);
    if (!piece.text.empty()) break;
  }
  for (auto it = pieces->rbegin(); it != pieces->rend(); ++it) {
    if (!it->trimmable) break;
    std::size_t end = it->text.size();
    while (end > 0 && IsXmlWhiteSpace(it->text[end - 1])) --end;
    it->text.erase(end);
    if (!it->text.empty()) break;
  }
}

// Whether xml:space="preserve" holds at the node: the nearest element that
// says "preserve" or "default" decides.
bool PreserveInForce(xmlNodePtr node) {
  xmlNodePtr element = node->type == XML_ELEMENT_NODE ? node : node->parent;
  return element != nullptr && element->type == XML_ELEMENT_NODE &&
         xmlNodeGetSpacePreserve(element) == 1;
}

}  // namespace

std::u16string LibXmlNode::NodeName() const {
  switch (m_node->type) {
    case XML_ELEMENT_NODE:
      return Wide(ElementName(m_node));
    case XML_TEXT_NODE:
      return u"#text";
    case XML_CDATA_SECTION_NODE:
      return u"#cdata-section";
    case XML_COMMENT_NODE:
      return u"#comment";
    case XML_PI_NODE:
      return Wide(kProcessingInstructionName);
    case XML_DOCUMENT_NODE:
      return u"#document";
    default:
      return u"#node";
  }
}

std::u16string LibXmlNode::TextContent() const {
  std::vector<Piece> pieces;
  const bool preserve = PreserveInForce(m_node);
  switch (m_node->type) {
    case XML_ELEMENT_NODE:
    case XML_DOCUMENT_NODE:
      CollectCharacterData(m_node, preserve, &pieces);
      break;
    case XML_TEXT_NODE:
      pieces.push_back({OwnContent(m_node), true});
      break;
    default:  // CDATA, comments, processing instructions: their data as it is
      return Wide(OwnContent(m_node));
  }
  if (!preserve) TrimEnds(&pieces);
  std::string text;
  for (const Piece& piece : pieces) text += piece.text;
  return Wide(text);
}

std::unique_ptr<XmlNodeList> LibXmlNode::ChildNodes() const {
  std::vector<xmlNodePtr> children;
  if (m_node->type == XML_ELEMENT_NODE || m_node->type == XML_DOCUMENT_NODE) {
    const bool preserve = PreserveInForce(m_node);
    for (xmlNodePtr child = m_node->children; child != nullptr; child = child->next) {
      if (!IsSeparatingWhiteSpace(child, preserve)) children.push_back(child);
    }
  }
  return std::make_unique<LibXmlNodeList>(m_tree, std::move(children));
}

bool LibXmlNode::GetAttribute(const std::u16string& name, std::u16string* value) const {
  if (m_node->type != XML_ELEMENT_NODE) return false;
  const std::string wanted = Utf8FromWide(name);
  for (xmlAttrPtr attribute = m_node->properties; attribute != nullptr;
       attribute = attribute->next) {
    const xmlChar* prefixText = attribute->ns != nullptr ? attribute->ns->prefix : nullptr;
    if (!HasQualifiedName(prefixText, attribute->name, wanted)) continue;
    xmlChar* text = xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(attribute));
    if (text == nullptr) return false;
    if (value != nullptr) {
      *value = WideFromUtf8(reinterpret_cast<const char*>(text),
                            std::strlen(reinterpret_cast<const char*>(text)));
    }
    xmlFree(text);
    return true;
  }
  return false;
}

std::unique_ptr<XmlNode> LibXmlNodeList::Item(long index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= m_nodes.size()) return nullptr;
  return std::make_unique<LibXmlNode>(m_tree, m_nodes[static_cast<std::size_t>(index)]);
}

std::vector<xmlNodePtr> ElementsNamed(xmlDocPtr document, const std::string& utf8Name) {
  std::vector<xmlNodePtr> found;
  if (document == nullptr) return found;
  // Pre-order walk without recursion: down to the first child, else on to the
  // next sibling of the nearest ancestor that has one.
  xmlNodePtr node = document->children;
  while (node != nullptr) {
    if (node->type == XML_ELEMENT_NODE &&
        HasQualifiedName(node->ns != nullptr ? node->ns->prefix : nullptr, node->name, utf8Name)) {
      found.push_back(node);
    }
    if (node->type == XML_ELEMENT_NODE && node->children != nullptr) {
      node = node->children;
      continue;
    }
    while (node != nullptr && node->next == nullptr) {
      node = node->parent;
      if (node == reinterpret_cast<xmlNodePtr>(document)) node = nullptr;
    }
    if (node != nullptr) node = node->next;
  }
  return found;
}

bool PreservesWhiteSpace(xmlNodePtr element, bool inherited) {
  xmlChar* space = xmlGetNsProp(element, BAD_CAST "space", XML_XML_NAMESPACE);
  if (space == nullptr) return inherited;
  bool preserve = inherited;
  if (xmlStrEqual(space, BAD_CAST "preserve")) preserve = true;
  if (xmlStrEqual(space, BAD_CAST "default")) preserve = false;
  xmlFree(space);
  return preserve;
}

}  // namespace platform
