#include "LibraryTest.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "vslib/VSLib.h"

namespace vslib_test {
namespace {

const char* const kSettings[] = {"VSLIB_TRACE", "VSLIB_JOB_DIR", "VSLIB_CREATE_RESULT", "VSLIB_SETMODE_RESULT"};

}  // namespace

void LibraryTest::SetUp() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vslib-test-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  m_folder = pattern;
  for (const char* name : kSettings) ClearSetting(name);
  SetSetting("VSLIB_TRACE", TracePath());
  SetSetting("VSLIB_JOB_DIR", JobDir());
}

void LibraryTest::TearDown() {
  VSLibClose();
  for (const char* name : kSettings) ClearSetting(name);
  std::error_code ignored;
  std::filesystem::remove_all(m_folder, ignored);
}

std::string LibraryTest::PathOf(const std::string& name) const { return m_folder + "/" + name; }

std::vector<std::string> LibraryTest::TraceLines() const {
  std::vector<std::string> lines;
  std::ifstream in(TracePath(), std::ios::binary);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> LibraryTest::JobFolders() const {
  std::vector<std::string> folders;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(JobDir(), error))
    if (entry.is_directory()) folders.push_back(entry.path().string());
  std::sort(folders.begin(), folders.end());
  return folders;
}

void LibraryTest::OpenForFiles() {
  ASSERT_EQ(VSLibCreate(0, 0, 0, 0), 0);
  ASSERT_EQ(VSLibSetMode(2), 0);
}

void LibraryTest::SetSetting(const char* name, const std::string& value) { setenv(name, value.c_str(), 1); }

void LibraryTest::ClearSetting(const char* name) { unsetenv(name); }

}  // namespace vslib_test
