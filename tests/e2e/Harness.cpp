#include "e2e/Harness.h"

#include "common/ExpectedRun.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace e2e {
namespace {

const char kPrompt[] = "\n\n[ OK ]  Press Enter\n";
constexpr auto kTimeLimit = std::chrono::seconds(60);

std::string Normalised(const std::string& terminal) {
  std::string out;
  for (std::size_t i = 0; i < terminal.size(); ++i) {
    if (terminal[i] == '\r' && i + 1 < terminal.size() && terminal[i + 1] == '\n') continue;
    out.push_back(terminal[i]);
  }
  return out;
}

// One box as the terminal shows it: heading (sign and title), a rule, the
// text, a blank line and the prompt.
ShownBox ParseBox(const std::string& shown) {
  std::size_t start = shown.find_first_not_of('\n');
  std::size_t headingEnd = shown.find('\n', start);
  std::size_t ruleEnd = shown.find('\n', headingEnd + 1);
  if (start == std::string::npos || headingEnd == std::string::npos || ruleEnd == std::string::npos) {
    throw std::runtime_error("not a message box: " + shown);
  }
  ShownBox box;
  std::string heading = shown.substr(start, headingEnd - start);
  if (heading.size() >= 4 && heading[0] == '(' && heading[2] == ')' && heading[3] == ' ') {
    box.icon = heading.substr(0, 3);
    heading = heading.substr(4);
  }
  box.title = heading;
  box.text = shown.substr(ruleEnd + 1);
  return box;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (std::string& s : strings) out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

[[noreturn]] void ExecTellan(const RunOptions& options, const std::map<std::string, std::string>& env) {
  if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0) _exit(126);
  std::vector<std::string> args{TELLAN_PROGRAM};
  args.insert(args.end(), options.args.begin(), options.args.end());
  std::vector<std::string> envStrings;
  for (const auto& [name, value] : env) envStrings.push_back(name + "=" + value);
  std::vector<char*> argv = Pointers(args);
  std::vector<char*> envp = Pointers(envStrings);
  execve(TELLAN_PROGRAM, argv.data(), envp.data());
  _exit(127);
}

void Wait(pid_t pid, RunResult& result) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  result.exited = WIFEXITED(status);
  if (result.exited) result.exitStatus = WEXITSTATUS(status);
}

RunResult RunOnTerminal(const Sandbox& sandbox, const RunOptions& options,
                        const std::map<std::string, std::string>& env) {
  RunResult result;
  int master = -1;
  pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
  if (pid < 0) throw std::runtime_error("forkpty failed");
  if (pid == 0) ExecTellan(options, env);
  if (options.started) options.started(pid);

  std::string raw;
  std::size_t consumed = 0;
  auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
  for (;;) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      break;
    }
    pollfd fd{master, POLLIN, 0};
    int ready = poll(&fd, 1, 100);
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0) continue;
    char buffer[4096];
    ssize_t got = read(master, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;  // EIO: the program and its terminal are gone
    raw.append(buffer, static_cast<std::size_t>(got));
    std::string shown = Normalised(raw);
    std::size_t prompt = shown.find(kPrompt, consumed);
    if (prompt != std::string::npos) {
      ShownBox box = ParseBox(shown.substr(consumed, prompt - consumed));
      box.traceWhenShown = sandbox.Trace();
      if (options.whileShown) options.whileShown(box);
      result.boxes.push_back(box);
      consumed = prompt + std::strlen(kPrompt);
      if (options.answer == RunOptions::Answer::kCloseTerminal) break;
      if (options.answer == RunOptions::Answer::kEnter && write(master, "\r", 1) != 1) break;
    }
  }
  close(master);
  Wait(pid, result);
  result.terminal = Normalised(raw);
  return result;
}

RunResult RunWithoutTerminal(const RunOptions& options, const std::map<std::string, std::string>& env) {
  RunResult result;
  int errPipe[2];
  if (pipe(errPipe) != 0) throw std::runtime_error("pipe failed");
  if (options.errorOutputClosed) {
    close(errPipe[0]);
    errPipe[0] = -1;
  }
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    setsid();  // no controlling terminal, as when another program starts it
    int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(errPipe[1], STDERR_FILENO);
    if (errPipe[0] >= 0) close(errPipe[0]);
    ExecTellan(options, env);
  }
  close(errPipe[1]);
  if (options.started) options.started(pid);
  char buffer[4096];
  ssize_t got;
  while (errPipe[0] >= 0 && (got = read(errPipe[0], buffer, sizeof buffer)) != 0) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    result.errorOutput.append(buffer, static_cast<std::size_t>(got));
  }
  if (errPipe[0] >= 0) close(errPipe[0]);
  Wait(pid, result);
  return result;
}

}  // namespace

Sandbox::Sandbox() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tellan-e2e-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  m_dir = pattern;
}

Sandbox::~Sandbox() {
  std::error_code ignored;
  std::filesystem::remove_all(m_dir, ignored);
}

std::string Sandbox::WriteFile(const std::string& name, const std::string& bytes) const {
  std::string path = Path(name);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string Sandbox::Trace() const { return ReadFile(Path("trace.txt")); }

std::vector<std::string> Sandbox::TraceLines() const { return expected::TraceLinesOf(Trace()); }

RunResult Sandbox::Run(RunOptions options) const {
  std::map<std::string, std::string> env{
      {"PATH", "/usr/bin:/bin"},
      {"LANG", "C.UTF-8"},
      {"TERM", "dumb"},
      {"TELLAN_REGISTRY_FILE", Path("no-settings.reg")},
      {"VSLIB_TRACE", Path("trace.txt")},
      {"VSLIB_JOB_DIR", Path("jobs")},
  };
  for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS"}) {
    if (const char* value = std::getenv(name)) env[name] = value;
  }
  for (const auto& [name, value] : options.env) {
    if (value.empty()) {
      env.erase(name);
    } else {
      env[name] = value;
    }
  }
  return options.withTerminal ? RunOnTerminal(*this, options, env) : RunWithoutTerminal(options, env);
}

bool FileExists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

bool CanLock(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool locked = flock(fd, LOCK_EX | LOCK_NB) == 0;
  close(fd);
  return locked;
}

std::string ExamplePhoto(const std::string& name) { return std::string(TELLAN_EXAMPLES_DIR) + "/photos/" + name; }

}  // namespace e2e
