#include "fakes/Fakes.h"

#include <algorithm>

#include "vslib/VSLib.h"

namespace fakes {

std::vector<std::string>& Events() {
  static std::vector<std::string> events;
  return events;
}

VSLibBehaviour& VSLib() {
  static VSLibBehaviour behaviour;
  return behaviour;
}

int RecordingMessageBox::MessageBoxA(const char* text, const char* caption, unsigned style) {
  boxes.push_back({text, caption, style});
  Events().push_back("MessageBox(" + std::string(caption) + ")");
  return 1;
}

namespace {

class FakeOpenFile : public platform::OpenFile {
 public:
  FakeOpenFile(std::string path, FakeFile file) : m_path(std::move(path)), m_file(std::move(file)) {}
  ~FakeOpenFile() override { Events().push_back("CloseList(" + m_path + ")"); }

  std::ptrdiff_t Read(void* buffer, std::size_t size, long* error) override {
    if (m_file.failAfter >= 0 && m_pos >= static_cast<std::size_t>(m_file.failAfter)) {
      *error = 5;
      return -1;
    }
    std::size_t limit = m_file.bytes.size();
    if (m_file.failAfter >= 0) limit = std::min(limit, static_cast<std::size_t>(m_file.failAfter));
    std::size_t n = std::min({size, m_file.chunk, limit - m_pos});
    std::copy_n(m_file.bytes.data() + m_pos, n, static_cast<char*>(buffer));
    m_pos += n;
    return static_cast<std::ptrdiff_t>(n);
  }

 private:
  std::string m_path;
  FakeFile m_file;
  std::size_t m_pos = 0;
};

}  // namespace

std::unique_ptr<platform::OpenFile> FakeFiles::OpenExclusiveForRead(const char* path) {
  auto it = files.find(path);
  if (it == files.end() || lockedElsewhere.count(path) != 0) {
    Events().push_back("OpenListFailed(" + std::string(path) + ")");
    return nullptr;
  }
  Events().push_back("OpenList(" + std::string(path) + ")");
  return std::make_unique<FakeOpenFile>(path, it->second);
}

bool FakeFiles::DeleteFileA(const char* path) {
  Events().push_back("Delete(" + std::string(path) + ")");
  return files.erase(path) != 0;
}

FakeEnvironment::FakeEnvironment() {
  Events().clear();
  VSLib() = VSLibBehaviour();
  platform::GetServices().messageBox = &messageBox;
  platform::GetServices().files = &files;
}

}  // namespace fakes

extern "C" {

int32_t VSLIB_CALL VSLibCreate(int32_t a, int32_t b, int32_t c, int32_t d) {
  fakes::Events().push_back("VSLibCreate(" + std::to_string(a) + ", " + std::to_string(b) + ", " +
                            std::to_string(c) + ", " + std::to_string(d) + ")");
  return fakes::VSLib().createResult;
}

int32_t VSLIB_CALL VSLibSetMode(int32_t mode) {
  fakes::Events().push_back("VSLibSetMode(" + std::to_string(mode) + ")");
  return fakes::VSLib().setModeResult;
}

int32_t VSLIB_CALL VSLibAddFile(const char* path, int32_t flag) {
  fakes::Events().push_back("VSLibAddFile(" + std::string(path) + ", " + std::to_string(flag) + ")");
  return fakes::VSLib().addFile ? fakes::VSLib().addFile(path) : 0;
}

int32_t VSLIB_CALL VSLibStart(int32_t arg) {
  fakes::Events().push_back("VSLibStart(" + std::to_string(arg) + ")");
  return 0;
}

int32_t VSLIB_CALL VSLibClose(void) {
  fakes::Events().push_back("VSLibClose()");
  return 0;
}
}
