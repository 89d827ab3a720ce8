// The product's settings in the Wine prefix's registry for the end-to-end
// runs, imported by the prefix's own reg.exe into either registry view.
#ifndef TELLAN_TESTS_WIN32_E2E_WINESETTINGS_H
#define TELLAN_TESTS_WIN32_E2E_WINESETTINGS_H

#include <string>
#include <vector>

#include "WineRun.h"

namespace winrun {

// The registry's two views on 64-bit Windows: what 32-bit programs see
// (Wow6432Node) and what 64-bit programs see.
enum class RegistryView { k32Bit, k64Bit };

const char* ViewName(RegistryView view);

// A console tool of the prefix run with its output discarded; its exit code,
// or -1 when it could not be run to its end.
long RunTool(const std::string& commandLine);

// Whether HKLM\<path> exists in the view.
bool KeyExistsIn(RegistryView view, const char* path);

// Removes HKLM\Software\ORDEX from both views.
void RemoveProductSettings();

// The product's settings for the life of the object: each .reg text imported
// into the views given with it; every earlier setting is removed first and
// everything again afterwards, so that every other scenario sees no settings
// at all whatever order the tests run in.
class ImportedSettings {
 public:
  struct Part {
    std::string storeText;
    std::vector<RegistryView> views;
  };
  ImportedSettings(const Sandbox& sandbox, const std::vector<Part>& parts);
  // The whole store in both views: found by a program of either bitness.
  ImportedSettings(const Sandbox& sandbox, const std::string& storeText);
  ~ImportedSettings();
  ImportedSettings(const ImportedSettings&) = delete;
  ImportedSettings& operator=(const ImportedSettings&) = delete;

  // 0 when every import succeeded, else the first failing exit code.
  long ImportResult() const { return m_importResult; }

 private:
  long m_importResult = 0;
};

}  // namespace winrun

#endif
