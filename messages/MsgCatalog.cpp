#include "messages/MsgCatalog.h"

#include "messages/BuiltInMessages.h"
#include "platform/Services.h"

CMsgCatalog::CMsgCatalog() { m_szPath[0] = '\0'; }

CMsgCatalog::~CMsgCatalog() { m_map.clear(); }

CString CMsgCatalog::GetText(LPCSTR pszKey) const {
  CString text;
  Lookup(pszKey, text);
  return text;
}

BOOL CMsgCatalog::Lookup(LPCSTR pszKey, CString& strText) const {
  auto it = m_map.find(pszKey != nullptr ? pszKey : "");
  if (it == m_map.end()) return FALSE;
  strText = it->second;
  return TRUE;
}

void CMsgCatalog::SetText(LPCSTR pszKey, LPCSTR pszText) {
  m_map[pszKey != nullptr ? pszKey : ""] = pszText != nullptr ? pszText : "";
}

BOOL CMsgCatalog::FillFromBuiltIn() {
  ForEachBuiltInMessage([this](const BuiltInMessage& row) {
    CString text = platform::LoadStringA(static_cast<unsigned>(row.stringId));
    SetText(row.key, text.c_str());
  });
  return TRUE;
}

BOOL CMsgCatalog::GetBuiltInText(LPCSTR pszKey, CString& strText) const {
  if (pszKey == nullptr) return FALSE;
  // The first row with the key wins.
  const BuiltInMessage* found = nullptr;
  ForEachBuiltInMessage([&found, pszKey](const BuiltInMessage& row) {
    if (found == nullptr && CString(row.key) == pszKey) found = &row;
  });
  if (found == nullptr) return FALSE;
  strText = platform::LoadStringA(static_cast<unsigned>(found->stringId));
  return TRUE;
}
