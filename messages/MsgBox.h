// A message request: a message key and a message-box style.
#ifndef TELLAN_MESSAGES_MSGBOX_H
#define TELLAN_MESSAGES_MSGBOX_H

#include <cstdint>

#include "framework/afx.h"

class CMsgBox {
 public:
  CMsgBox();
  ~CMsgBox();

  // Each show blocks until the user has dismissed the box.
  void Show(LPCSTR pszKey, UINT nStyle);
  void ShowWithCode(LPCSTR pszKey, std::int32_t nCode, UINT nStyle);
  void Show();

  CString m_strKey;
  std::uint32_t m_nStyle = 0;

 private:
  // Shows the stored key's text with the stored style; with a code, the
  // text is formatted with it.
  void ShowStored(const char* pszCode);
};

#endif
