// The operating system's implementations of the platform services. Each OS
// build defines these classes in platform/<os>/; GetServices hands them out.
#ifndef TELLAN_PLATFORM_SYSTEMSERVICES_H
#define TELLAN_PLATFORM_SYSTEMSERVICES_H

#include "platform/Services.h"

namespace platform {

// Windows: MessageBoxA with no owner window. Linux: the first kind of box
// that can be shown (posix/MessageBoxKinds.h); a stop signal dismisses it.
class SystemMessageBox : public MessageBoxApi {
 public:
  int MessageBoxA(const char* text, const char* caption, unsigned style) override;
};

// Windows: CreateFileA with share mode 0. Linux: a regular file opened
// read-only and held under an exclusive lock.
class SystemFiles : public FileApi {
 public:
  std::unique_ptr<OpenFile> OpenExclusiveForRead(const char* path) override;
  bool DeleteFileA(const char* path) override;
};

// Windows: the system registry under HKEY_LOCAL_MACHINE. Linux: a read-only
// registry in a .reg file.
class SystemRegistry : public RegistryApi {
 public:
  long RegOpenKeyExA(const char* subKey, std::uint32_t options, std::uint32_t access,
                     RegKey* result) override;
  long RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* type, unsigned char* data,
                        std::uint32_t* size) override;
  long RegCloseKey(RegKey key) override;
};

// Windows: IsWow64Process, looked up in kernel32 at run time. Linux has no
// WOW64.
class SystemProcess : public ProcessApi {
 public:
  bool RunsUnderWow64() override;
};

class SystemLocale : public LocaleApi {
 public:
  std::uint32_t GetUserDefaultLCID() override;
};

// Windows: the system's MSXML document component, created through COM.
// Linux: libxml2.
class SystemXmlParser : public XmlApi {
 public:
  std::unique_ptr<XmlDocument> CreateDocument() override;
};

}  // namespace platform

#endif
