// The Windows implementations of the platform services: the system's own
// calls behind the same seams as on Linux.
#ifndef TELLAN_PLATFORM_WIN32_WIN32SERVICES_H
#define TELLAN_PLATFORM_WIN32_WIN32SERVICES_H

#include "platform/Services.h"

namespace platform {

// MessageBoxA with no owner window.
class Win32MessageBox : public MessageBoxApi {
 public:
  int MessageBoxA(const char* text, const char* caption, unsigned style) override;
};

class Win32Files : public FileApi {
 public:
  std::unique_ptr<OpenFile> OpenExclusiveForRead(const char* path) override;
  bool DeleteFileA(const char* path) override;
};

// The system registry under HKEY_LOCAL_MACHINE.
class Win32Registry : public RegistryApi {
 public:
  long RegOpenKeyExA(const char* subKey, std::uint32_t options, std::uint32_t access,
                     RegKey* result) override;
  long RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* type, unsigned char* data,
                        std::uint32_t* size) override;
  long RegCloseKey(RegKey key) override;
};

class Win32Process : public ProcessApi {
 public:
  void* GetModuleHandleA(const char* moduleName) override;
  void* GetProcAddress(void* module, const char* procName) override;
  bool CallIsWow64Process(void* isWow64Process, int* wow64) override;
};

class Win32Locale : public LocaleApi {
 public:
  std::uint32_t GetUserDefaultLCID() override;
};

// The system's MSXML document component, created through COM.
class MsxmlParser : public XmlApi {
 public:
  std::unique_ptr<XmlDocument> CreateDocument() override;
};

}  // namespace platform

#endif
