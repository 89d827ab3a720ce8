// Images for the end-to-end runs, and the stand-in library's refusal codes.
#ifndef TELLAN_TESTS_E2E_PHOTOS_H
#define TELLAN_TESTS_E2E_PHOTOS_H

#include <string>

namespace e2e {

constexpr int kMissingFileCode = 1;
constexpr int kNotAnImageCode = 2;

// The path of a small printable image (index 0 to 2), made once per process.
std::string AcceptedPhoto(int index);

}  // namespace e2e

#endif
