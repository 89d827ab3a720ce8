// Writes the example photos of examples/photos: three pictures the imaging
// library accepts (JPEG, PNG, BMP) and a panorama it rejects for its aspect
// ratio. Usage: make_example_photos <output folder>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/vslib/StbImageWrite.h"

namespace {

// A calm landscape: sky fading into a horizon, sea below it. Smooth areas keep
// the files small.
std::vector<unsigned char> Landscape(int width, int height) {
  std::vector<unsigned char> pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  const int horizon = height * 3 / 5;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      unsigned char* p = &pixels[(static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3];
      if (y < horizon) {
        p[0] = static_cast<unsigned char>(90 + 120 * y / horizon);
        p[1] = static_cast<unsigned char>(150 + 70 * y / horizon);
        p[2] = 235;
      } else {
        p[0] = 20;
        p[1] = static_cast<unsigned char>(90 + 40 * (height - y) / (height - horizon));
        p[2] = static_cast<unsigned char>(140 + 40 * (height - y) / (height - horizon));
      }
    }
  }
  return pixels;
}

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// A 4-bit palette BMP: a tenth of the size of the 24-bit files stb writes.
bool WritePaletteBmp(const std::string& path, int width, int height) {
  const uint32_t rowBytes = static_cast<uint32_t>((width + 1) / 2 + 3) / 4 * 4;
  const uint32_t paletteBytes = 16 * 4;
  const uint32_t dataOffset = 14 + 40 + paletteBytes;
  const uint32_t fileBytes = dataOffset + rowBytes * static_cast<uint32_t>(height);
  std::string out = "BM";
  Put32(out, fileBytes);
  Put32(out, 0);
  Put32(out, dataOffset);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));  // positive: rows bottom-up
  Put16(out, 1);
  Put16(out, 4);
  Put32(out, 0);  // no compression
  Put32(out, rowBytes * static_cast<uint32_t>(height));
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 16);
  Put32(out, 0);
  for (uint32_t i = 0; i < 16; ++i) {  // blue, green, red, reserved: a dusk ramp
    out += static_cast<char>(120 + i * 8);
    out += static_cast<char>(40 + i * 10);
    out += static_cast<char>(30 + i * 14);
    out += '\0';
  }
  for (int y = height - 1; y >= 0; --y) {
    std::string row(rowBytes, '\0');
    for (int x = 0; x < width; ++x) {
      const int light = 15 - (y * 16 / height);
      const int beam = (x > width / 2 - 4 && x < width / 2 + 4 && y > height / 4) ? 15 : light;
      const auto index = static_cast<unsigned char>(beam & 0x0F);
      row[static_cast<size_t>(x / 2)] |= static_cast<char>(x % 2 == 0 ? index << 4 : index);
    }
    out += row;
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << out;
  return static_cast<bool>(file);
}

bool WriteJpeg(const std::string& path, int width, int height, int quality) {
  return stbi_write_jpg(path.c_str(), width, height, 3, Landscape(width, height).data(), quality) != 0;
}

bool WritePng(const std::string& path, int width, int height) {
  return stbi_write_png(path.c_str(), width, height, 3, Landscape(width, height).data(), width * 3) != 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  const bool written = WriteJpeg(folder + "harbour.jpg", 640, 480, 60) &&
                       WritePng(folder + "meadow.png", 800, 600) &&
                       WritePaletteBmp(folder + "lighthouse.bmp", 160, 120) &&
                       WriteJpeg(folder + "panorama.jpg", 2000, 100, 60);
  if (!written) {
    std::fprintf(stderr, "cannot write the photos into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
