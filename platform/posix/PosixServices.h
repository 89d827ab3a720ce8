// The Linux implementations of the platform services.
#ifndef TELLAN_PLATFORM_POSIX_POSIXSERVICES_H
#define TELLAN_PLATFORM_POSIX_POSIXSERVICES_H

#include "platform/Services.h"

namespace platform {

// Shows the box on the controlling terminal and waits for Enter; without a
// controlling terminal, writes title and text to standard error.
class TerminalMessageBox : public MessageBoxApi {
 public:
  int MessageBoxA(const char* text, const char* caption, unsigned style) override;
};

class PosixFiles : public FileApi {
 public:
  std::unique_ptr<OpenFile> OpenExclusiveForRead(const char* path) override;
  bool DeleteFileA(const char* path) override;
};

// The settings store: a read-only registry in a .reg file.
class RegFileRegistry : public RegistryApi {
 public:
  long RegOpenKeyExA(const char* subKey, std::uint32_t options, std::uint32_t access,
                     RegKey* result) override;
  long RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* type, unsigned char* data,
                        std::uint32_t* size) override;
  long RegCloseKey(RegKey key) override;
};

// There is no WOW64 here: no module offers IsWow64Process.
class PosixProcess : public ProcessApi {
 public:
  void* GetModuleHandleA(const char* moduleName) override;
  void* GetProcAddress(void* module, const char* procName) override;
  bool CallIsWow64Process(void* isWow64Process, int* wow64) override;
};

class PosixLocale : public LocaleApi {
 public:
  std::uint32_t GetUserDefaultLCID() override;
};

class LibXmlParser : public XmlApi {
 public:
  std::unique_ptr<XmlDocument> CreateDocument() override;
};

}  // namespace platform

#endif
