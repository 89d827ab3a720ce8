// Message files parsed by libxml2. A message file is trusted to be well-formed
// XML and nothing more: it may not reach the network, other files or the
// entity expansion that a document type declaration would allow.
#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdint>

#include "platform/MessageFileLimits.h"
#include "platform/SystemServices.h"
#include "platform/posix/RegularFile.h"
#include "platform/posix/TextConversion.h"
#include "platform/posix/XmlTree.h"

namespace platform {
namespace {

// No DTD loading, no entity substitution, no XInclude, no relaxed limits:
// libxml2 keeps its default bounds on depth and text size. The structured
// error handler below keeps every message off the terminal.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

struct ParseOutcome {
  bool refused = false;  // a document type declaration was met
  bool error = false;    // an error, fatal or not, was reported
};

ParseOutcome& OutcomeOf(void* context) {
  auto* parser = static_cast<xmlParserCtxtPtr>(context);
  return *static_cast<ParseOutcome*>(parser->_private);
}

// Any document type declaration ends the parse before its internal subset is
// read. That is where entities are declared, so neither a billion-laughs file
// nor one that repeats a large entity, nor an external entity or DTD, gets any
// further; the predefined entities and character references need no DTD.
// MSXML 6 prohibits DTDs by default in the same way.
void RefuseDocumentType(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
  OutcomeOf(context).refused = true;
  xmlStopParser(static_cast<xmlParserCtxtPtr>(context));
}

void RecordError(void* context, xmlErrorPtr error) {
  if (error != nullptr && error->level >= XML_ERR_ERROR) OutcomeOf(context).error = true;
}

void IgnoreGenericError(void*, const char*, ...) {}
void IgnoreStructuredError(void*, xmlErrorPtr) {}

// Errors that libxml2 raises outside the parser context (encoding handlers,
// I/O) go to its global handlers; they stay silent for the parse.
class SilentErrors {
 public:
  SilentErrors() : m_generic(xmlGenericError), m_genericContext(xmlGenericErrorContext),
                   m_structured(xmlStructuredError),
                   m_structuredContext(xmlStructuredErrorContext) {
    xmlSetGenericErrorFunc(nullptr, IgnoreGenericError);
    xmlSetStructuredErrorFunc(nullptr, IgnoreStructuredError);
  }
  ~SilentErrors() {
    xmlSetGenericErrorFunc(m_genericContext, m_generic);
    xmlSetStructuredErrorFunc(m_structuredContext, m_structured);
  }
  SilentErrors(const SilentErrors&) = delete;
  SilentErrors& operator=(const SilentErrors&) = delete;

 private:
  xmlGenericErrorFunc m_generic;
  void* m_genericContext;
  xmlStructuredErrorFunc m_structured;
  void* m_structuredContext;
};

// The whole file parsed and well-formed, or nothing.
XmlTree ParseMessageFile(const char* path) {
  if (path == nullptr) return nullptr;
  // Paths are composed the Windows way from the settings.
  std::string localPath(path);
  std::replace(localPath.begin(), localPath.end(), '\\', '/');
  struct stat info;
  int fd = OpenRegularFile(localPath.c_str(), &info);
  if (fd < 0) return nullptr;
  if (static_cast<std::uint64_t>(info.st_size) > kMaxMessageFileBytes) {
    close(fd);
    return nullptr;
  }

  SilentErrors silence;
  ParseOutcome outcome;
  xmlDocPtr document = nullptr;
  xmlParserCtxtPtr parser = xmlNewParserCtxt();
  if (parser != nullptr) {
    parser->_private = &outcome;
    parser->sax->internalSubset = RefuseDocumentType;
    parser->sax->serror = RecordError;
    document = xmlCtxtReadFd(parser, fd, localPath.c_str(), nullptr, kParseOptions);
    bool complete = document != nullptr && parser->wellFormed && parser->nsWellFormed &&
                    !outcome.refused && !outcome.error && document->intSubset == nullptr &&
                    document->extSubset == nullptr;
    if (!complete && document != nullptr) {
      xmlFreeDoc(document);
      document = nullptr;
    }
    xmlFreeParserCtxt(parser);
  }
  close(fd);
  if (document == nullptr) return nullptr;
  return XmlTree(document, xmlFreeDoc);
}

class LibXmlDocument : public XmlDocument {
 public:
  // libxml2 loads synchronously whatever is asked.
  void SetAsync(bool) override {}

  bool Load(const char* path) override {
    m_tree = ParseMessageFile(path);
    return m_tree != nullptr;
  }

  std::unique_ptr<XmlNodeList> GetElementsByTagName(const std::u16string& name) override {
    std::vector<xmlNodePtr> found;
    if (m_tree != nullptr) found = ElementsNamed(m_tree.get(), Utf8FromWide(name));
    return std::make_unique<LibXmlNodeList>(m_tree, std::move(found));
  }

 private:
  XmlTree m_tree;  // empty before the first load and after a failed one
};

}  // namespace

std::unique_ptr<XmlDocument> SystemXmlParser::CreateDocument() {
  xmlInitParser();
  return std::make_unique<LibXmlDocument>();
}

}  // namespace platform
