// What the printer can take: a picture too small prints blurred, one too
// large exceeds the spooler's page, and a long strip would be mostly margin.
#ifndef TELLAN_VSLIB_IMAGELIMITS_H
#define TELLAN_VSLIB_IMAGELIMITS_H

#include <cstdint>

namespace vslib {

constexpr int64_t kMinSide = 64;        // pixels, the shorter side
constexpr int64_t kMaxSide = 20000;     // pixels, the longer side
constexpr int64_t kMaxAspectRatio = 4;  // long side / short side

}  // namespace vslib

#endif
