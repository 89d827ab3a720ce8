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
  for (const BuiltInMessage* row = g_builtInMessages; row->key != nullptr; ++row) {
    CString text = platform::LoadStringA(static_cast<unsigned>(row->stringId));
    SetText(row->key, text.c_str());
  }
  return TRUE;
}

BOOL CMsgCatalog::GetBuiltInText(LPCSTR pszKey, CString& strText) const {
  if (pszKey == nullptr) return FALSE;
  for (const BuiltInMessage* row = g_builtInMessages; row->key != nullptr; ++row) {
    if (CString(row->key) == pszKey) {
      strText = platform::LoadStringA(static_cast<unsigned>(row->stringId));
      return TRUE;
    }
  }
  return FALSE;
}
