// A message catalog: the texts of one message box, by message key, and the
// path slot of the message file that filled it.
#ifndef TELLAN_MESSAGES_MSGCATALOG_H
#define TELLAN_MESSAGES_MSGCATALOG_H

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "framework/afx.h"

namespace platform {
class XmlDocument;
class XmlNode;
class XmlNodeList;
}  // namespace platform

class CMsgCatalog {
 public:
  static constexpr int kPathSize = MAX_PATH;

  CMsgCatalog();
  ~CMsgCatalog();
  CMsgCatalog(const CMsgCatalog&) = delete;
  CMsgCatalog& operator=(const CMsgCatalog&) = delete;

  // Fills the catalog from the message file at pszPath (null: the one the
  // settings name), completed from the built-in table. Always 0.
  int Load(LPCSTR pszPath);
  CString GetText(LPCSTR pszKey) const;
  void SetText(LPCSTR pszKey, LPCSTR pszText);
  BOOL FillFromBuiltIn();
  BOOL GetBuiltInText(LPCSTR pszKey, CString& strText) const;
  // Composes the path of the message file (FALSE) or of the neutral message
  // file (TRUE) into the path slot; empty when it cannot be composed.
  LPCSTR GetMessageFilePath(BOOL bNeutral);

  // The map's own look-up: TRUE when the key has an entry.
  BOOL Lookup(LPCSTR pszKey, CString& strText) const;

  char m_szPath[kPathSize];

 private:
  using DocumentPtr = std::unique_ptr<platform::XmlDocument>;
  using NodeListPtr = std::unique_ptr<platform::XmlNodeList>;

  DocumentPtr LoadDocument(LPCSTR pszPath);
  NodeListPtr SelectCulture(platform::XmlDocument& document);
  NodeListPtr GetNeutralFileCulture();
  static std::u16string GetAttributeText(const platform::XmlNode& node, LPCSTR pszName);

 public:
  static std::uint32_t ParseLCID(CString strLCID);

 private:
  std::unordered_map<CString, CString> m_map;
};

#endif
