// The image header reader of libstb-dev, as a system header: its code is not
// held to our warning flags. Only the four formats we print are compiled in,
// and all file access goes through our own callbacks so that paths keep their
// narrow bytes on every OS.
#ifndef TELLAN_VSLIB_STBIMAGE_H
#define TELLAN_VSLIB_STBIMAGE_H

#pragma GCC system_header

#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
// Headers are only read, never decoded into memory, so the size verdict is
// ours rather than the reader's 16M-pixel sanity bound.
#define STBI_MAX_DIMENSIONS 0x7FFFFFFF

#include <stb_image.h>

#endif
