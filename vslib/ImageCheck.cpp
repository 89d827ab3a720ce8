#include "vslib/ImageCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "vslib/ImageLimits.h"
#include "vslib/ResultCodes.h"
#include "vslib/StbImage.h"

namespace vslib {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Feeds the header reader from our own FILE and remembers read errors, so that
// an unreadable file (a directory on Linux opens but cannot be read) is told
// apart from a file that is readable but not an image.
struct HeaderSource {
  std::FILE* file;
  bool failed;
};

int ReadBytes(void* user, char* data, int size) {
  auto* source = static_cast<HeaderSource*>(user);
  if (size <= 0) return 0;
  const size_t got = std::fread(data, 1, static_cast<size_t>(size), source->file);
  if (got < static_cast<size_t>(size) && std::ferror(source->file)) source->failed = true;
  return static_cast<int>(got);
}

void SkipBytes(void* user, int count) {
  auto* source = static_cast<HeaderSource*>(user);
  if (std::fseek(source->file, count, SEEK_CUR) != 0) source->failed = true;
}

int AtEnd(void* user) {
  auto* source = static_cast<HeaderSource*>(user);
  return source->failed || std::feof(source->file) ? 1 : 0;
}

// The header reader would also take a file whose signature it only half
// checks; the signature decides the format and nothing else is tried.
std::optional<ImageFormat> FormatFromSignature(const unsigned char* head, size_t length) {
  static const unsigned char kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (length >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) return ImageFormat::Jpeg;
  if (length >= 8 && std::memcmp(head, kPng, 8) == 0) return ImageFormat::Png;
  if (length >= 2 && head[0] == 'B' && head[1] == 'M') return ImageFormat::Bmp;
  if (length >= 6 && (std::memcmp(head, "GIF87a", 6) == 0 || std::memcmp(head, "GIF89a", 6) == 0))
    return ImageFormat::Gif;
  return std::nullopt;
}

uint32_t BigEndian32(const unsigned char* bytes) {
  return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | bytes[3];
}

// The header reader refuses a PNG whose pixels would not fit its decoder; such
// a picture is too large to print, not corrupt. Its IHDR chunk comes first.
bool PngDeclaresOversize(const unsigned char* head, size_t length) {
  if (length < 24 || std::memcmp(head + 12, "IHDR", 4) != 0) return false;
  return BigEndian32(head + 16) > kMaxSide || BigEndian32(head + 20) > kMaxSide;
}

int32_t SizeVerdict(int64_t width, int64_t height) {
  const int64_t shortSide = std::min(width, height);
  const int64_t longSide = std::max(width, height);
  if (shortSide < kMinSide || longSide > kMaxSide) return kBadDimensions;
  if (longSide > shortSide * kMaxAspectRatio) return kBadAspectRatio;
  return kOk;
}

}  // namespace

const char* FormatName(ImageFormat format) {
  switch (format) {
    case ImageFormat::Jpeg: return "JPEG";
    case ImageFormat::Png: return "PNG";
    case ImageFormat::Bmp: return "BMP";
    case ImageFormat::Gif: return "GIF";
  }
  return "?";
}

ImageVerdict CheckImage(const char* path) {
  ImageVerdict verdict;
  if (path == nullptr || *path == '\0') {
    verdict.code = kFileMissing;
    return verdict;
  }
  FileHandle file(std::fopen(path, "rb"));
  if (!file) {
    verdict.code = kFileMissing;
    return verdict;
  }

  unsigned char head[24] = {};
  const size_t headLength = std::fread(head, 1, sizeof head, file.get());
  if (std::ferror(file.get()) || std::fseek(file.get(), 0, SEEK_SET) != 0) {
    verdict.code = kFileMissing;
    return verdict;
  }
  const std::optional<ImageFormat> format = FormatFromSignature(head, headLength);
  if (!format) {
    verdict.code = kNotAnImage;
    return verdict;
  }

  HeaderSource source{file.get(), false};
  const stbi_io_callbacks callbacks{&ReadBytes, &SkipBytes, &AtEnd};
  int width = 0;
  int height = 0;
  int components = 0;
  const int known = stbi_info_from_callbacks(&callbacks, &source, &width, &height, &components);
  if (source.failed) {
    verdict.code = kFileMissing;
    return verdict;
  }
  if (!known) {
    const bool oversize = *format == ImageFormat::Png && PngDeclaresOversize(head, headLength);
    verdict.code = oversize ? kBadDimensions : kNotAnImage;
    return verdict;
  }

  int64_t wide = width;
  int64_t high = height;
  // A negative BMP height only means the rows are stored top-down.
  if (*format == ImageFormat::Bmp && high < 0) high = -high;
  if (wide <= 0 || high <= 0 || wide > INT32_MAX || high > INT32_MAX) {
    verdict.code = kNotAnImage;
    return verdict;
  }
  verdict.code = SizeVerdict(wide, high);
  verdict.facts.format = *format;
  verdict.facts.width = static_cast<int32_t>(wide);
  verdict.facts.height = static_cast<int32_t>(high);
  return verdict;
}

}  // namespace vslib
