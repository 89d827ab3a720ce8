// The platform services that TELLAN's own classes reach, one interface per
// service. Each OS build supplies the real implementations (platform/posix,
// platform/win32); unit tests put recording fakes in their place.
#ifndef TELLAN_PLATFORM_SERVICES_H
#define TELLAN_PLATFORM_SERVICES_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// The icon bits of a message-box style, as MessageBoxA takes them.
enum MessageBoxIcon : unsigned {
  kIconMask = 0xF0,
  kIconError = 0x10,
  kIconQuestion = 0x20,
  kIconWarning = 0x30,
  kIconInformation = 0x40,
};

// A modal message box with no owner window.
class MessageBoxApi {
 public:
  virtual ~MessageBoxApi() = default;
  // Blocks until the user has dismissed the box; the result is the button.
  virtual int MessageBoxA(const char* text, const char* caption, unsigned style) = 0;
};

// A photo list opened for reading with no sharing.
class OpenFile {
 public:
  virtual ~OpenFile() = default;
  // Reads up to size bytes. Returns the number read, 0 at the end of the
  // file, or -1 on a read error with the system's error number in *error.
  virtual std::ptrdiff_t Read(void* buffer, std::size_t size, long* error) = 0;
};

class FileApi {
 public:
  virtual ~FileApi() = default;
  // Read access, no sharing, existing file only; null when it cannot be opened.
  virtual std::unique_ptr<OpenFile> OpenExclusiveForRead(const char* path) = 0;
  // Deletes the file; the result tells whether it was deleted.
  virtual bool DeleteFileA(const char* path) = 0;
};

// The settings store: read-only access under HKEY_LOCAL_MACHINE, with the
// registry's result codes (0 is success) and its value sizes in bytes.
typedef void* RegKey;
class RegistryApi {
 public:
  virtual ~RegistryApi() = default;
  virtual long RegOpenKeyExA(const char* subKey, std::uint32_t options, std::uint32_t access,
                             RegKey* result) = 0;
  // With data null, only *size (and *type) are filled in.
  virtual long RegQueryValueExA(RegKey key, const char* valueName, std::uint32_t* type,
                                unsigned char* data, std::uint32_t* size) = 0;
  virtual long RegCloseKey(RegKey key) = 0;
};

// Process information.
class ProcessApi {
 public:
  virtual ~ProcessApi() = default;
  // Whether this is a 32-bit process on 64-bit Windows. False wherever the
  // answer cannot be had: no IsWow64Process in kernel32, a failed call, or a
  // system without WOW64.
  virtual bool RunsUnderWow64() = 0;
};

class LocaleApi {
 public:
  virtual ~LocaleApi() = default;
  virtual std::uint32_t GetUserDefaultLCID() = 0;
};

// The XML DOM parser. Nodes and node lists keep their document alive.
class XmlNodeList;

class XmlNode {
 public:
  virtual ~XmlNode() = default;
  virtual std::u16string NodeName() const = 0;
  virtual std::u16string TextContent() const = 0;
  // Null when the parser does not deliver the list.
  virtual std::unique_ptr<XmlNodeList> ChildNodes() const = 0;
  // False when the node has no such attribute or the look-up fails.
  virtual bool GetAttribute(const std::u16string& name, std::u16string* value) const = 0;
};

class XmlNodeList {
 public:
  virtual ~XmlNodeList() = default;
  virtual long Length() const = 0;
  // Null when the parser does not deliver the item.
  virtual std::unique_ptr<XmlNode> Item(long index) const = 0;
};

class XmlDocument {
 public:
  virtual ~XmlDocument() = default;
  virtual void SetAsync(bool async) = 0;
  // Complete success or failure. The path is a narrow path in the process's
  // code page; a second load replaces what the first left.
  virtual bool Load(const char* path) = 0;
  // Null when the parser fails to produce the list.
  virtual std::unique_ptr<XmlNodeList> GetElementsByTagName(const std::u16string& name) = 0;
};

class XmlApi {
 public:
  virtual ~XmlApi() = default;
  // Null when no document object can be created.
  virtual std::unique_ptr<XmlDocument> CreateDocument() = 0;
};

// The services in use. Every member is set to the OS implementation at start;
// tests replace single members for the duration of a test.
struct Services {
  MessageBoxApi* messageBox;
  FileApi* files;
  RegistryApi* registry;
  ProcessApi* process;
  LocaleApi* locale;
  XmlApi* xml;
};

Services& GetServices();

// Free functions with one implementation per OS; nothing fakes them.

// A string-table entry of the program's own resources, converted to the
// code page of the current thread's locale; empty when there is none.
std::string LoadStringA(unsigned id);

// UTF-16 text converted to the code page of the current thread's locale; a
// character that the code page cannot hold becomes '?'.
std::string NarrowFromWide(const std::u16string& text);

// The characters that mark a command-line switch; one of them is dropped from
// the front of a parameter.
const char* SwitchCharacters();

// Called first thing by main. Linux: a run must always reach its own end
// (VSLibClose, exit status 0), so SIGPIPE is ignored and SIGINT, SIGTERM and
// SIGHUP only dismiss the waiting message box. Windows: nothing to do.
void PrepareProcess();

}  // namespace platform

#endif
