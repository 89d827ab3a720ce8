// Recording fakes of the platform layer and of the imaging library, sharing
// one event log so that tests can check the order of everything observable.
#ifndef TELLAN_TESTS_FAKES_FAKES_H
#define TELLAN_TESTS_FAKES_FAKES_H

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "fakes/ServicesOverride.h"
#include "platform/Services.h"

namespace fakes {

std::vector<std::string>& Events();

// The imaging library, replaced at link time.
struct VSLibBehaviour {
  std::int32_t createResult = 0;
  std::int32_t setModeResult = 0;
  // Result of VSLibAddFile per path; 0 (accepted) when absent.
  std::function<std::int32_t(const std::string&)> addFile;
};
VSLibBehaviour& VSLib();

struct ShownBox {
  std::string text;
  std::string caption;
  unsigned style;
};

class RecordingMessageBox : public platform::MessageBoxApi {
 public:
  int MessageBoxA(const char* text, const char* caption, unsigned style) override;
  std::vector<ShownBox> boxes;
};

// Files held in memory. A file may fail to read after a number of bytes.
struct FakeFile {
  std::string bytes;
  long failAfter = -1;  // bytes delivered before a read error; -1: never
  std::size_t chunk = 7;  // bytes per read, to cross piece boundaries
};

class FakeFiles : public platform::FileApi {
 public:
  std::unique_ptr<platform::OpenFile> OpenExclusiveForRead(const char* path) override;
  bool DeleteFileA(const char* path) override;
  std::map<std::string, FakeFile> files;
  std::set<std::string> lockedElsewhere;
};

// Installs fresh fakes of the message box and the files (and resets the
// library's behaviour and the event log); restores the real services after.
class FakeEnvironment : private ServicesOverride {
 public:
  FakeEnvironment();

  RecordingMessageBox messageBox;
  FakeFiles files;
};

}  // namespace fakes

#endif
