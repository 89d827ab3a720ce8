// The DOM view of a document parsed by libxml2, shaped like MSXML's default
// DOM: white space that only separates elements has no nodes, text content
// loses its leading and trailing white space, and non-element nodes have
// names that begin with '#'.
#ifndef TELLAN_PLATFORM_POSIX_XMLTREE_H
#define TELLAN_PLATFORM_POSIX_XMLTREE_H

#include <libxml/tree.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Services.h"

namespace platform {

// A parsed document; every node and node list taken from it shares it.
using XmlTree = std::shared_ptr<xmlDoc>;

class LibXmlNode : public XmlNode {
 public:
  LibXmlNode(XmlTree tree, xmlNodePtr node) : m_tree(std::move(tree)), m_node(node) {}
  std::u16string NodeName() const override;
  std::u16string TextContent() const override;
  std::unique_ptr<XmlNodeList> ChildNodes() const override;
  bool GetAttribute(const std::u16string& name, std::u16string* value) const override;

 private:
  XmlTree m_tree;
  xmlNodePtr m_node;
};

class LibXmlNodeList : public XmlNodeList {
 public:
  LibXmlNodeList(XmlTree tree, std::vector<xmlNodePtr> nodes)
      : m_tree(std::move(tree)), m_nodes(std::move(nodes)) {}
  long Length() const override { return static_cast<long>(m_nodes.size()); }
  std::unique_ptr<XmlNode> Item(long index) const override;

 private:
  XmlTree m_tree;
  std::vector<xmlNodePtr> m_nodes;
};

// The elements whose qualified name (prefix included) is utf8Name, at any
// depth, in the order of their start tags.
std::vector<xmlNodePtr> ElementsNamed(xmlDocPtr document, const std::string& utf8Name);

// Whether an element switches white-space preservation on or off.
bool PreservesWhiteSpace(xmlNodePtr element, bool inherited);

}  // namespace platform

#endif
