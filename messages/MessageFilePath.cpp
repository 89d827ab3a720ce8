// The paths of the message files, from the settings store.
#include "messages/MsgCatalog.h"

LPCSTR CMsgCatalog::GetMessageFilePath(BOOL bNeutral) {
  (void)bNeutral;
  m_szPath[0] = '\0';
  return m_szPath;
}
