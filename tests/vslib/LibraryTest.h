// A fixture for tests against the real library: a fresh folder for images,
// the trace and the jobs, and no setting left over from another test. The
// library keeps one session per process, so every test ends it.
#ifndef TELLAN_TESTS_VSLIB_LIBRARYTEST_H
#define TELLAN_TESTS_VSLIB_LIBRARYTEST_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vslib_test {

class LibraryTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A path inside the test's own folder.
  std::string PathOf(const std::string& name) const;
  std::string TracePath() const { return PathOf("trace.txt"); }
  std::string JobDir() const { return PathOf("jobs"); }
  std::vector<std::string> TraceLines() const;
  // The folders that VSLibStart created under the job directory, sorted.
  std::vector<std::string> JobFolders() const;

  // VSLibCreate and VSLibSetMode(2), both expected to succeed.
  void OpenForFiles();

  static void SetSetting(const char* name, const std::string& value);
  static void ClearSetting(const char* name);

 private:
  std::string m_folder;
};

}  // namespace vslib_test

#endif
