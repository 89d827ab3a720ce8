#include "vslib/Job.h"

#include <cstdio>

#include "vslib/Environment.h"
#include "vslib/OsSupport.h"
#include "vslib/PathText.h"

namespace vslib {
namespace {

// Jobs started within the same second must not share a folder.
constexpr int kMaxFolderAttempts = 1000;

std::optional<std::string> CreateJobFolder(const std::string& directory) {
  if (!CreateFolderTree(directory)) return std::nullopt;
  std::string base = directory;
  if (!IsPathSeparator(base.back())) base += PathSeparator();
  base += "job-" + LocalTimestamp();
  for (int attempt = 1; attempt <= kMaxFolderAttempts; ++attempt) {
    const std::string folder = attempt == 1 ? base : base + '-' + std::to_string(attempt);
    switch (CreateFolder(folder)) {
      case FolderResult::Created: return folder;
      case FolderResult::AlreadyThere: continue;
      case FolderResult::Failed: return std::nullopt;
    }
  }
  return std::nullopt;
}

bool WriteManifest(const std::string& path, const std::vector<AcceptedImage>& images) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = true;
  for (const AcceptedImage& image : images) {
    const std::string line = ManifestLine(image) + '\n';
    if (std::fwrite(line.data(), 1, line.size(), file) != line.size()) written = false;
  }
  if (std::fclose(file) != 0) written = false;
  return written;
}

}  // namespace

std::string JobDirectory() {
  return TextSetting("VSLIB_JOB_DIR").value_or("vslib-jobs");
}

std::string ManifestLine(const AcceptedImage& image) {
  return QuotedPath(image.path.c_str()) + ' ' + FormatName(image.facts.format) + ' ' +
         std::to_string(image.facts.width) + 'x' + std::to_string(image.facts.height);
}

void AnnounceJob(const std::string& folder, size_t imageCount) {
  // A GUI caller on Windows may have no standard output at all; the job is
  // written either way, so a failed write is of no concern.
  std::printf("VSLIB: job started in %s with %zu image(s)\n", folder.c_str(), imageCount);
  std::fflush(stdout);
}

std::optional<std::string> WriteJob(const std::vector<AcceptedImage>& images) {
  const std::optional<std::string> folder = CreateJobFolder(JobDirectory());
  if (!folder) return std::nullopt;
  if (!WriteManifest(*folder + PathSeparator() + "manifest.txt", images)) return std::nullopt;
  return folder;
}

}  // namespace vslib
