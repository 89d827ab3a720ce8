// The keys and values that a .reg file sets under HKEY_LOCAL_MACHINE, as
// regedit would import them.
#ifndef TELLAN_PLATFORM_POSIX_REGFILEPARSER_H
#define TELLAN_PLATFORM_POSIX_REGFILEPARSER_H

#include <cstdint>
#include <map>
#include <string>

namespace platform {

struct RegFileValue {
  std::uint32_t type;
  std::string data;  // exactly the bytes the registry would hold
};

class RegFileStore {
 public:
  using Values = std::map<std::string, RegFileValue>;

  // Key paths below HKEY_LOCAL_MACHINE and value names compare without regard
  // to ASCII letter case. Null when the file creates neither the key nor a
  // key below it.
  const Values* FindKey(const std::string& keyPath) const;

  // The key, which also makes every key above it exist; returns its values.
  Values& CreateKey(const std::string& keyPath);
  static std::string Folded(std::string name);

 private:
  std::map<std::string, Values> m_keys;
  Values m_noValues;
};

// Parses a whole .reg file (any of its encodings). A file without a regedit
// header sets nothing; lines that cannot be understood are skipped.
RegFileStore ParseRegFile(const std::string& bytes);

}  // namespace platform

#endif
