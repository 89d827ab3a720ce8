// The paths of the message files, from the settings store.
#include <cstring>
#include <string>

#include "messages/MsgCatalog.h"
#include "messages/RegSettings.h"
#include "platform/Services.h"
#include "res/resource.h"

namespace {

// A 32-bit process on 64-bit Windows finds the product's settings in the
// 64-bit view. Systems without IsWow64Process have no such view.
BOOL RunsUnderWow64() {
  platform::ProcessApi& process = *platform::GetServices().process;
  void* hKernel32 = process.GetModuleHandleA("kernel32");
  if (hKernel32 == nullptr) return FALSE;
  void* pIsWow64Process = process.GetProcAddress(hKernel32, "IsWow64Process");
  if (pIsWow64Process == nullptr) return FALSE;
  int wow64 = 0;
  if (!process.CallIsWow64Process(pIsWow64Process, &wow64)) return FALSE;
  return wow64 != 0 ? TRUE : FALSE;
}

}  // namespace

LPCSTR CMsgCatalog::GetMessageFilePath(BOOL bNeutral) {
  m_szPath[0] = '\0';
  BOOL b64BitView = RunsUnderWow64();
  CRegSettings settings;

  char szFolder[kPathSize];
  if (!settings.GetMessageFolder(szFolder, sizeof szFolder, b64BitView)) return m_szPath;

  std::string fileNameName =
      platform::LoadStringA(bNeutral ? IDS_REG_XMLNEUTRALFILENAME : IDS_REG_XMLFILENAME);
  char szFileName[kPathSize];
  if (!settings.ReadValue(fileNameName.c_str(), szFileName, sizeof szFileName, b64BitView)) {
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
