#include "messages/MsgBox.h"

#include <cstdio>

#include "messages/CodeFormat.h"
#include "messages/MsgCatalog.h"
#include "platform/Services.h"

namespace {
const char kTitleKey[] = "MsgBoxTitle";
}

CMsgBox::CMsgBox() = default;

CMsgBox::~CMsgBox() { m_strKey.clear(); }

void CMsgBox::Show(LPCSTR pszKey, UINT nStyle) {
  m_strKey = pszKey != nullptr ? pszKey : "";
  m_nStyle = nStyle;
  Show();
}

void CMsgBox::Show() { ShowStored(nullptr); }

void CMsgBox::ShowWithCode(LPCSTR pszKey, std::int32_t nCode, UINT nStyle) {
  char code[16];
  std::snprintf(code, sizeof code, "%d", static_cast<int>(nCode));
  m_strKey = pszKey != nullptr ? pszKey : "";
  m_nStyle = nStyle;
  ShowStored(code);
}

void CMsgBox::ShowStored(const char* pszCode) {
  // A fresh catalog for every box: nothing is cached between two boxes.
  CMsgCatalog catalog;
  catalog.Load(nullptr);
  CString title = catalog.GetText(kTitleKey);
  CString text = catalog.GetText(m_strKey.c_str());
  if (pszCode != nullptr) text = FormatWithOneString(text, pszCode);
  platform::GetServices().messageBox->MessageBoxA(text.c_str(), title.c_str(), m_nStyle);
}
