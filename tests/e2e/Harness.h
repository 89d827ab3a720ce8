// Runs the real program as its caller does, under a pseudo-terminal so that
// its message boxes are really seen and dismissed, and reports only what a
// user or caller can observe.
#ifndef TELLAN_TESTS_E2E_HARNESS_H
#define TELLAN_TESTS_E2E_HARNESS_H

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

struct ShownBox {
  std::string icon;   // the style's sign, e.g. "(X)"; empty for none
  std::string title;
  std::string text;
  std::string traceWhenShown;  // the library's trace while the box waited
};

struct RunResult {
  bool exited = false;  // ended by itself, not by a signal or the time-out
  int exitStatus = -1;
  std::vector<ShownBox> boxes;
  std::string terminal;  // everything shown on the terminal
  std::string errorOutput;  // standard error, for runs without a terminal
};

struct RunOptions {
  RunOptions(std::vector<std::string> arguments = {}, std::map<std::string, std::string> environment = {})
      : args(std::move(arguments)), env(std::move(environment)) {}

  std::vector<std::string> args;
  // On top of the defaults below; an empty value removes a variable.
  std::map<std::string, std::string> env;
  std::string workingDirectory;            // empty: the current one
  bool withTerminal = true;
  // Called while each box is shown, before it is dismissed.
  std::function<void(const ShownBox&)> whileShown;
  // How the harness answers a box on the terminal once whileShown returned.
  enum class Answer { kEnter, kNothing, kCloseTerminal };
  Answer answer = Answer::kEnter;
  // Without a terminal: standard error is a pipe whose reader has gone.
  bool errorOutputClosed = false;
  // Called with the program's process id as soon as it runs.
  std::function<void(int)> started;
};

// A fresh folder with the library's trace file and job folder, and a settings
// store file that does not exist (so the built-in texts are shown unless a
// test sets TELLAN_REGISTRY_FILE).
class Sandbox {
 public:
  Sandbox();
  ~Sandbox();
  Sandbox(const Sandbox&) = delete;
  Sandbox& operator=(const Sandbox&) = delete;

  const std::string& Dir() const { return m_dir; }
  std::string Path(const std::string& name) const { return m_dir + "/" + name; }
  std::string WriteFile(const std::string& name, const std::string& bytes) const;
  std::string Trace() const;
  std::vector<std::string> TraceLines() const;

  RunResult Run(RunOptions options) const;

 private:
  std::string m_dir;
};

bool FileExists(const std::string& path);
std::string ReadFile(const std::string& path);
// True when nobody holds an exclusive lock on the file.
bool CanLock(const std::string& path);
// The example photos shipped with the sources.
std::string ExamplePhoto(const std::string& name);

}  // namespace e2e

#endif
