// The paths of the message files, from the settings store.
#include <cstring>
#include <string>

#include "messages/MsgCatalog.h"
#include "messages/RegSettings.h"
#include "platform/Services.h"
#include "res/resource.h"

LPCSTR CMsgCatalog::GetMessageFilePath(BOOL bNeutral) {
  m_szPath[0] = '\0';
  // A 32-bit process on 64-bit Windows finds the product's settings in the
  // 64-bit view.
  BOOL b64BitView = platform::GetServices().process->RunsUnderWow64() ? TRUE : FALSE;
  CRegSettings settings;

  char szFolder[kPathSize];
  if (!settings.GetMessageFolder(szFolder, sizeof szFolder, b64BitView)) return m_szPath;

  std::string valueName =
      platform::LoadStringA(bNeutral ? IDS_REG_XMLNEUTRALFILENAME : IDS_REG_XMLFILENAME);
  char szFileName[kPathSize];
  if (!settings.ReadValue(valueName.c_str(), szFileName, sizeof szFileName, b64BitView)) {
    return m_szPath;
  }

  std::size_t folderLength = std::strlen(szFolder);
  std::size_t fileNameLength = std::strlen(szFileName);
  if (folderLength + 1 + fileNameLength > kPathSize - 1) return m_szPath;

  std::memcpy(m_szPath, szFolder, folderLength);
  m_szPath[folderLength] = '\\';
  std::memcpy(m_szPath + folderLength + 1, szFileName, fileNameLength + 1);
  return m_szPath;
}
