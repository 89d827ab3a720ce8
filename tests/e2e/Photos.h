// Images for the end-to-end runs.
#ifndef TELLAN_TESTS_E2E_PHOTOS_H
#define TELLAN_TESTS_E2E_PHOTOS_H

#include <string>

namespace e2e {

// The path of a small printable image (index 0 to 2), made once per process.
std::string AcceptedPhoto(int index);

}  // namespace e2e

#endif
