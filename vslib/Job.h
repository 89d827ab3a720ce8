// A print job: the images accepted since VSLibSetMode, written as a manifest
// into a folder of its own under the job directory.
#ifndef TELLAN_VSLIB_JOB_H
#define TELLAN_VSLIB_JOB_H

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "vslib/ImageCheck.h"

namespace vslib {

struct AcceptedImage {
  std::string path;  // as the caller gave it
  ImageFacts facts;
};

// VSLIB_JOB_DIR, or vslib-jobs in the current directory.
std::string JobDirectory();

// The manifest line of one image: "PATH" FORMAT WIDTHxHEIGHT.
std::string ManifestLine(const AcceptedImage& image);

// Creates a new folder job-YYYYMMDD-HHMMSS (with -2, -3, ... when that name is
// taken) under the job directory, creating the directory when needed, and
// writes manifest.txt into it. The folder's path, or nothing when the folder
// or the manifest could not be written.
std::optional<std::string> WriteJob(const std::vector<AcceptedImage>& images);

// One line on standard output naming the job folder.
void AnnounceJob(const std::string& folder, size_t imageCount);

}  // namespace vslib

#endif
