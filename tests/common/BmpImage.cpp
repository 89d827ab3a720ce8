#include "common/BmpImage.h"

namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string BmpImage(std::uint32_t width, std::uint32_t height) {
  std::uint32_t row = (width * 3 + 3) / 4 * 4;
  std::uint32_t pixels = row * height;
  std::string out = "BM";
  const std::uint32_t header[] = {54 + pixels, 0, 54, 40, width, height};
  for (std::uint32_t v : header) PutLittleEndian(out, v, 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 24, 2);
  const std::uint32_t rest[] = {0, pixels, 2835, 2835, 0, 0};
  for (std::uint32_t v : rest) PutLittleEndian(out, v, 4);
  out.append(pixels, '\x80');
  return out;
}
