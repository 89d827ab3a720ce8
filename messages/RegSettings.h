// Reads the product's install settings from the settings store. Stateless:
// every read opens its key afresh and releases it before returning.
#ifndef TELLAN_MESSAGES_REGSETTINGS_H
#define TELLAN_MESSAGES_REGSETTINGS_H

#include "framework/afx.h"
#include "platform/Services.h"

class CRegSettings {
 public:
  // The settings key, opened for reading in the 64-bit view when b64BitView
  // is set; null when it cannot be opened. The caller closes it.
  static platform::RegKey OpenKey(BOOL b64BitView);

  // Reads one value of the settings key into pBuffer as a zero-terminated
  // narrow string. A value whose stored size is not strictly below nSize is
  // refused and the buffer is left as it was.
  BOOL ReadValue(LPCSTR pszName, char* pBuffer, UINT nSize, BOOL b64BitView) const;

  // The folder of the message files: InstallFolder, one backslash and
  // AppendPath. InstallFolder always comes from the default view of the
  // product key; AppendPath from the settings key in the view given.
  BOOL GetMessageFolder(char* pBuffer, UINT nSize, BOOL b64BitView) const;
};

#endif
