// Runs the real Windows program as its caller does and watches its windows:
// every message box it shows is recorded (title, text, owner, icon and the
// library's trace at that moment) and dismissed with OK, and the hidden host
// dialog is checked for visibility throughout.
#ifndef TELLAN_TESTS_WIN32_E2E_WINERUN_H
#define TELLAN_TESTS_WIN32_E2E_WINERUN_H

#include <map>
#include <string>
#include <vector>

namespace winrun {

struct ShownBox {
  std::string title;
  std::string text;
  // The same texts as Unicode, untouched by the test program's own code page.
  std::wstring wideTitle;
  std::wstring wideText;
  bool hasOwner = false;
  bool hasIcon = false;
  std::string traceWhenShown;
};

struct RunResult {
  bool exited = false;  // ended by itself within the time limit
  unsigned long exitCode = 0xFFFFFFFF;
  std::vector<ShownBox> boxes;
  bool hostEverVisible = false;
  bool hostSeen = false;  // the host dialog existed at some poll
};

// A fresh folder with the library's trace file and job folder.
class Sandbox {
 public:
  Sandbox();
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  const std::string& Dir() const { return m_dir; }
  std::string Path(const std::string& name) const { return m_dir + "\\" + name; }
  std::string WriteFile(const std::string& name, const std::string& bytes) const;
  std::string Trace() const;
  std::vector<std::string> TraceLines() const;
  void RemoveTrace() const;

  // args: the parameters after the program name, quoted as needed; env: on
  // top of the inherited environment and the library's settings.
  RunResult Run(const std::vector<std::string>& args,
                const std::map<std::string, std::string>& env = {}) const;
  // The same with the parameters written as they stand on the command line,
  // after the quoted program path and one blank, for the C runtime to split.
  RunResult RunRaw(const std::string& parameters,
                   const std::map<std::string, std::string>& env = {}) const;

 private:
  std::string m_dir;
};

bool FileExists(const std::string& path);
// A Unix path as the Windows program sees it: the Unix root is drive Z:.
std::string WindowsPathOf(const std::string& unixPath);
// A small 24-bit BMP the stand-in library accepts (index 0 to 2).
std::string AcceptedPhoto(const Sandbox& sandbox, int index);

}  // namespace winrun

#endif
