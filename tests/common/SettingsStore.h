// The product's settings as a .reg file, shared by the end-to-end tests of
// every build: the Linux store reads it, Wine's reg.exe imports it.
#ifndef TELLAN_TESTS_COMMON_SETTINGSSTORE_H
#define TELLAN_TESTS_COMMON_SETTINGSSTORE_H

#include <string>

namespace expected {

// A string value as a .reg file writes it: backslash and quote escaped.
inline std::string RegString(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

inline std::string SettingsStoreText(const std::string& installFolder, const std::string& appendPath,
                                     const std::string& fileName, const std::string& neutralFileName) {
  return "Windows Registry Editor Version 5.00\r\n\r\n"
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ORDEX\\Vistello2]\r\n"
         "\"InstallFolder\"=" + RegString(installFolder) + "\r\n\r\n"
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ORDEX\\Vistello2\\MARVO]\r\n"
         "\"AppendPath\"=" + RegString(appendPath) + "\r\n"
         "\"XMLFileName\"=" + RegString(fileName) + "\r\n"
         "\"XMLNeutralFileName\"=" + RegString(neutralFileName) + "\r\n";
}

}  // namespace expected

#endif
