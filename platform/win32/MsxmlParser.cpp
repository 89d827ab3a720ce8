// The XML DOM on Windows: the system's MSXML document component through COM.
// MSXML 6.0 where it is installed, else MSXML 3.0, which every supported
// Windows carries; both are set up so that a message file can reach nothing
// beyond itself: no DTD, no external entity, no network.
#include <windows.h>
#include <msxml2.h>
#include <objbase.h>
#include <oleauto.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/MessageFileLimits.h"
#include "platform/SystemServices.h"
#include "platform/win32/XmlProlog.h"

namespace platform {
namespace {

// The GUIDs are declared here: the cross headers and import libraries do
// not carry those of the 6.0 component or of IXMLDOMDocument2.
const CLSID kClsidDomDocument60 = {0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};
const CLSID kClsidDomDocument30 = {0xf5078f32, 0xc551, 0x11d3, {0x89, 0xb9, 0x00, 0x00, 0xf8, 0x1f, 0xe2, 0x21}};
const IID kIidDocument2 = {0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};
const IID kIidElement = {0x2933bf86, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

// An owned COM interface pointer.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(T* p) : m_p(p) {}
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr& other) : m_p(other.m_p) {
    if (m_p != nullptr) m_p->AddRef();
  }
  ComPtr& operator=(const ComPtr& other) {
    if (other.m_p != nullptr) other.m_p->AddRef();
    Reset();
    m_p = other.m_p;
    return *this;
  }
  void Reset() {
    if (m_p != nullptr) m_p->Release();
    m_p = nullptr;
  }
  T** Out() {
    Reset();
    return &m_p;
  }
  T* Get() const { return m_p; }
  T* operator->() const { return m_p; }
  explicit operator bool() const { return m_p != nullptr; }

 private:
  T* m_p = nullptr;
};

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const std::u16string& text)
      : m_b(::SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                static_cast<UINT>(text.size()))) {}
  ~Bstr() { ::SysFreeString(m_b); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR* Out() {
    ::SysFreeString(m_b);
    m_b = nullptr;
    return &m_b;
  }
  BSTR Get() const { return m_b; }
  std::u16string Text() const {
    if (m_b == nullptr) return std::u16string();
    return std::u16string(reinterpret_cast<const char16_t*>(m_b), ::SysStringLen(m_b));
  }

 private:
  BSTR m_b = nullptr;
};

bool SetProperty(IXMLDOMDocument2* document, const char16_t* name, VARIANT value) {
  Bstr propertyName{std::u16string(name)};
  return SUCCEEDED(document->setProperty(propertyName.Get(), value));
}

VARIANT BoolVariant(bool value) {
  VARIANT v;
  ::VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

class MsxmlNode : public XmlNode {
 public:
  explicit MsxmlNode(ComPtr<IXMLDOMNode> node) : m_node(std::move(node)) {}

  std::u16string NodeName() const override {
    DOMNodeType type = NODE_INVALID;
    if (FAILED(m_node->get_nodeType(&type))) return std::u16string();
    // A processing instruction's name is its target, which could spell a
    // message key; like every other node that is not an element it gets a
    // name that no key can have.
    if (type == NODE_PROCESSING_INSTRUCTION) return u"#processing-instruction";
    Bstr name;
    if (FAILED(m_node->get_nodeName(name.Out()))) return std::u16string();
    return name.Text();
  }

  std::u16string TextContent() const override {
    Bstr text;
    if (FAILED(m_node->get_text(text.Out()))) return std::u16string();
    return text.Text();
  }

  std::unique_ptr<XmlNodeList> ChildNodes() const override;

  bool GetAttribute(const std::u16string& name, std::u16string* value) const override {
    ComPtr<IXMLDOMElement> element;
    if (FAILED(m_node->QueryInterface(kIidElement, reinterpret_cast<void**>(element.Out()))) || !element)
      return false;
    Bstr attributeName(name);
    VARIANT result;
    ::VariantInit(&result);
    HRESULT hr = element->getAttribute(attributeName.Get(), &result);
    bool found = hr == S_OK && result.vt == VT_BSTR;
    if (found) {
      *value = result.bstrVal != nullptr
                   ? std::u16string(reinterpret_cast<const char16_t*>(result.bstrVal),
                                    ::SysStringLen(result.bstrVal))
                   : std::u16string();
    }
    ::VariantClear(&result);
    return found;
  }

 private:
  ComPtr<IXMLDOMNode> m_node;
};

class MsxmlNodeList : public XmlNodeList {
 public:
  explicit MsxmlNodeList(ComPtr<IXMLDOMNodeList> list) : m_list(std::move(list)) {}

  long Length() const override {
    long length = 0;
    if (FAILED(m_list->get_length(&length))) return 0;
    return length;
  }

  std::unique_ptr<XmlNode> Item(long index) const override {
    ComPtr<IXMLDOMNode> node;
    if (m_list->get_item(index, node.Out()) != S_OK || !node) return nullptr;
    return std::make_unique<MsxmlNode>(node);
  }

 private:
  ComPtr<IXMLDOMNodeList> m_list;
};

std::unique_ptr<XmlNodeList> MsxmlNode::ChildNodes() const {
  ComPtr<IXMLDOMNodeList> list;
  if (FAILED(m_node->get_childNodes(list.Out())) || !list) return nullptr;
  return std::make_unique<MsxmlNodeList>(list);
}

// The elements found by a walk of the tree, kept alive by the list.
class CollectedNodeList : public XmlNodeList {
 public:
  explicit CollectedNodeList(std::vector<ComPtr<IXMLDOMNode>> nodes) : m_nodes(std::move(nodes)) {}
  long Length() const override { return static_cast<long>(m_nodes.size()); }
  std::unique_ptr<XmlNode> Item(long index) const override {
    if (index < 0 || index >= Length()) return nullptr;
    return std::make_unique<MsxmlNode>(m_nodes[static_cast<std::size_t>(index)]);
  }

 private:
  std::vector<ComPtr<IXMLDOMNode>> m_nodes;
};

std::u16string NameOf(IXMLDOMNode* node) {
  Bstr name;
  if (FAILED(node->get_nodeName(name.Out()))) return std::u16string();
  return name.Text();
}

// The elements below root whose name as written is name, in document order
// (the order of their start tags). The walk keeps its own stack, so that deep
// nesting cannot exhaust the thread's.
std::vector<ComPtr<IXMLDOMNode>> ElementsNamed(IXMLDOMNode* root, const std::u16string& name) {
  std::vector<ComPtr<IXMLDOMNode>> found;
  std::vector<ComPtr<IXMLDOMNode>> pending;
  auto pushChildren = [&pending](IXMLDOMNode* parent) {
    ComPtr<IXMLDOMNodeList> children;
    if (FAILED(parent->get_childNodes(children.Out())) || !children) return;
    long count = 0;
    children->get_length(&count);
    for (long i = count - 1; i >= 0; --i) {
      ComPtr<IXMLDOMNode> child;
      if (children->get_item(i, child.Out()) == S_OK && child) pending.push_back(child);
    }
  };
  pushChildren(root);
  while (!pending.empty()) {
    ComPtr<IXMLDOMNode> node = pending.back();
    pending.pop_back();
    DOMNodeType type = NODE_INVALID;
    if (FAILED(node->get_nodeType(&type)) || type != NODE_ELEMENT) continue;
    if (NameOf(node.Get()) == name) found.push_back(node);
    pushChildren(node.Get());
  }
  return found;
}

bool ReadWholeFile(const char* path, std::vector<unsigned char>* bytes) {
  HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = false;
  LARGE_INTEGER size;
  if (::GetFileType(file) == FILE_TYPE_DISK && ::GetFileSizeEx(file, &size) && size.QuadPart > 0 &&
      static_cast<std::uint64_t>(size.QuadPart) <= kMaxMessageFileBytes) {
    bytes->resize(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    ok = ::ReadFile(file, bytes->data(), static_cast<DWORD>(bytes->size()), &got, nullptr) &&
         got == bytes->size();
  }
  ::CloseHandle(file);
  return ok;
}

class MsxmlDocument : public XmlDocument {
 public:
  explicit MsxmlDocument(ComPtr<IXMLDOMDocument2> document) : m_document(std::move(document)) {}

  void SetAsync(bool async) override { m_document->put_async(async ? VARIANT_TRUE : VARIANT_FALSE); }

  bool Load(const char* path) override {
    m_loaded = path != nullptr && LoadFile(path);
    return m_loaded;
  }

  // Matched against the name as written, prefix included, by a walk of the
  // tree: components differ in how they match a prefixed name.
  std::unique_ptr<XmlNodeList> GetElementsByTagName(const std::u16string& name) override {
    std::vector<ComPtr<IXMLDOMNode>> found;
    if (m_loaded) {
      ComPtr<IXMLDOMNode> root;
      if (FAILED(m_document->QueryInterface(IID_IXMLDOMNode, reinterpret_cast<void**>(root.Out()))) || !root)
        return nullptr;
      found = ElementsNamed(root.Get(), name);
    }
    return std::make_unique<CollectedNodeList>(std::move(found));
  }

 private:
  // The file is read here and handed over as bytes, so that the component
  // never resolves the path itself (as a URL it could name the network).
  bool LoadFile(const char* path) {
    std::vector<unsigned char> bytes;
    // A document type declaration is where entities and external subsets
    // are declared; no message file has one, and none reaches the parser,
    // whatever the installed component would make of it. The tree is checked
    // again after the parse, for an encoding the look at the prolog cannot
    // read.
    if (!ReadWholeFile(path, &bytes) || DeclaresDocumentType(bytes.data(), bytes.size())) {
      ClearDocument();
      return false;
    }
    SAFEARRAY* array = ::SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    if (array == nullptr) return false;
    void* data = nullptr;
    if (FAILED(::SafeArrayAccessData(array, &data))) {
      ::SafeArrayDestroy(array);
      return false;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    ::SafeArrayUnaccessData(array);
    VARIANT source;
    ::VariantInit(&source);
    source.vt = VT_ARRAY | VT_UI1;
    source.parray = array;
    VARIANT_BOOL ok = VARIANT_FALSE;
    HRESULT hr = m_document->load(source, &ok);
    ::VariantClear(&source);
    if (hr != S_OK || ok != VARIANT_TRUE || !Acceptable()) {
      ClearDocument();
      return false;
    }
    return true;
  }

  bool Acceptable() {
    ComPtr<IXMLDOMDocumentType> doctype;
    return !(m_document->get_doctype(doctype.Out()) == S_OK && doctype);
  }

  // What a failed load leaves: no document content.
  void ClearDocument() {
    Bstr empty{std::u16string()};
    VARIANT_BOOL ignored = VARIANT_FALSE;
    m_document->loadXML(empty.Get(), &ignored);
  }

  bool m_loaded = false;
  ComPtr<IXMLDOMDocument2> m_document;
};

// COM stays initialised for the rest of the process: documents may be
// released at any time before it ends.
bool EnsureCom() {
  static const bool ready = [] {
    HRESULT hr = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return SUCCEEDED(hr) || hr == RPC_E_CHANGED_MODE;
  }();
  return ready;
}

ComPtr<IXMLDOMDocument2> CreateComponent(const CLSID& clsid) {
  ComPtr<IXMLDOMDocument2> document;
  if (FAILED(::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, kIidDocument2,
                                reinterpret_cast<void**>(document.Out())))) {
    document.Reset();
  }
  return document;
}

// A message file is the product's own data and needs nothing outside
// itself; a document that asks for more must not reach the disk or the
// network on its behalf.
bool LockDown(IXMLDOMDocument2* document) {
  if (FAILED(document->put_resolveExternals(VARIANT_FALSE))) return false;
  if (FAILED(document->put_validateOnParse(VARIANT_FALSE))) return false;
  if (!SetProperty(document, u"ProhibitDTD", BoolVariant(true))) return false;
  // Absent from older components; it only matters where it exists.
  SetProperty(document, u"ServerHTTPRequest", BoolVariant(false));
  return true;
}

}  // namespace

std::unique_ptr<XmlDocument> SystemXmlParser::CreateDocument() {
  if (!EnsureCom()) return nullptr;
  ComPtr<IXMLDOMDocument2> document = CreateComponent(kClsidDomDocument60);
  if (!document) document = CreateComponent(kClsidDomDocument30);
  if (!document || !LockDown(document.Get())) return nullptr;
  return std::make_unique<MsxmlDocument>(document);
}

}  // namespace platform
