// Arbitrary bytes as the settings store, then the look-ups the program makes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/posix/RegFileParser.h"

namespace {

volatile unsigned char g_sink;

void ReadValues(const platform::RegFileStore::Values* values,
                std::initializer_list<const char*> names) {
  if (values == nullptr) return;
  for (const char* name : names) {
    auto it = values->find(platform::RegFileStore::Folded(name));
    if (it == values->end()) continue;
    // Every byte is read, so the sanitizers see any that is not there.
    unsigned char sum = 0;
    for (char c : it->second.data) sum = static_cast<unsigned char>(sum + c);
    g_sink = sum;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  platform::RegFileStore store = platform::ParseRegFile(bytes);
  ReadValues(store.FindKey("SOFTWARE\\ORDEX\\Vistello2"), {"InstallFolder"});
  ReadValues(store.FindKey("SOFTWARE\\ORDEX\\Vistello2\\MARVO"),
             {"AppendPath", "XMLFileName", "XMLNeutralFileName"});
  return 0;
}
