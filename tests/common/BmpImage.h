// Printable test images, made on the spot.
#ifndef TELLAN_TESTS_COMMON_BMPIMAGE_H
#define TELLAN_TESTS_COMMON_BMPIMAGE_H

#include <cstdint>
#include <string>

// An uncompressed 24-bit BMP, the simplest format the imaging library reads.
std::string BmpImage(std::uint32_t width, std::uint32_t height);

#endif
