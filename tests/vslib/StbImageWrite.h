// The image writer of libstb-dev, as a system header: its code is not held to
// our warning flags.
#ifndef TELLAN_TESTS_VSLIB_STBIMAGEWRITE_H
#define TELLAN_TESTS_VSLIB_STBIMAGEWRITE_H

#pragma GCC system_header

#include <stb_image_write.h>

#endif
