// Arbitrary bytes as the message file: through the Linux XML layer and the
// culture selection into a catalog. Run with -rss_limit_mb so that an entity
// expansion or any other blow-up counts as a finding.
#include <fcntl.h>
#include <unistd.h>

#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "messages/BuiltInMessages.h"
#include "messages/MsgCatalog.h"
#include "platform/Services.h"
#include "platform/SystemServices.h"

namespace {

// No settings store: the neutral message file cannot be named, so only the
// input file is ever read.
class NoRegistry : public platform::RegistryApi {
 public:
  long RegOpenKeyExA(const char*, std::uint32_t, std::uint32_t, platform::RegKey* result) override {
    if (result != nullptr) *result = nullptr;
    return 2;
  }
  long RegQueryValueExA(platform::RegKey, const char*, std::uint32_t*, unsigned char*,
                        std::uint32_t*) override {
    return 6;
  }
  long RegCloseKey(platform::RegKey) override { return 6; }
};

class JapaneseUser : public platform::LocaleApi {
 public:
  std::uint32_t GetUserDefaultLCID() override { return 0x0411; }
};

std::string g_path;

void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::setlocale(LC_ALL, "C.UTF-8");
  static NoRegistry registry;
  static JapaneseUser locale;
  static platform::SystemXmlParser xml;
  platform::GetServices().registry = &registry;
  platform::GetServices().locale = &locale;
  platform::GetServices().xml = &xml;
  const char* folder = std::getenv("TMPDIR");
  g_path = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
           "/tellan-fuzz-msgfile-" + std::to_string(getpid()) + ".xml";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  int fd = open(g_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) Fail("cannot write the message file");
  for (std::size_t done = 0; done < size;) {
    ssize_t written = write(fd, data + done, size - done);
    if (written <= 0) Fail("cannot write the message file");
    done += static_cast<std::size_t>(written);
  }
  close(fd);

  CMsgCatalog catalog;
  catalog.Load(g_path.c_str());
  unlink(g_path.c_str());
  // Whatever the file held, every key of the program has a text.
  for (const BuiltInMessage* row = g_builtInMessages; row->key != nullptr; ++row) {
    CString text;
    if (!catalog.Lookup(row->key, text)) Fail("a built-in key has no text");
  }
  return 0;
}
