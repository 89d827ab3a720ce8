// Image files for the library's tests: real encoded pictures where the format
// matters, and bare headers where only the declared size does.
#ifndef TELLAN_TESTS_VSLIB_TESTIMAGES_H
#define TELLAN_TESTS_VSLIB_TESTIMAGES_H

#include <cstdint>
#include <string>

namespace vslib_test {

void WriteJpeg(const std::string& path, int width, int height);
void WritePng(const std::string& path, int width, int height);
// topDown stores the rows first to last, which BMP declares by a negative height.
void WriteBmp(const std::string& path, int width, int height, bool topDown = false);

// Only the leading bytes that declare the size: a GIF screen descriptor, and a
// PNG signature with its IHDR chunk. Enough for a header check, and cheap for
// sizes whose pixels would take gigabytes.
void WriteGifHeader(const std::string& path, uint16_t width, uint16_t height);
void WritePngHeader(const std::string& path, uint32_t width, uint32_t height);

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

}  // namespace vslib_test

#endif
