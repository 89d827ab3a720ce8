// The verdict on one file handed to VSLibAddFile: can it be printed?
#ifndef TELLAN_VSLIB_IMAGECHECK_H
#define TELLAN_VSLIB_IMAGECHECK_H

#include <cstdint>

namespace vslib {

enum class ImageFormat { Jpeg, Png, Bmp, Gif };

const char* FormatName(ImageFormat format);

struct ImageFacts {
  ImageFormat format = ImageFormat::Jpeg;
  int32_t width = 0;
  int32_t height = 0;
};

struct ImageVerdict {
  int32_t code = 0;  // a ResultCode: kOk or one of the four file reasons
  ImageFacts facts;  // meaningful only when code is kOk
};

// path is taken byte for byte as the OS's narrow file name; null or empty is a
// missing file. Only the header is read.
ImageVerdict CheckImage(const char* path);

}  // namespace vslib

#endif
