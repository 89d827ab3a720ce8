#include "TestImages.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "StbImageWrite.h"

namespace vslib_test {
namespace {

std::vector<unsigned char> Gradient(int width, int height) {
  std::vector<unsigned char> pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      unsigned char* p = &pixels[(static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3];
      p[0] = static_cast<unsigned char>(x * 255 / width);
      p[1] = static_cast<unsigned char>(y * 255 / height);
      p[2] = 128;
    }
  }
  return pixels;
}

void Require(int written, const std::string& path) {
  if (written == 0) throw std::runtime_error("cannot write test image " + path);
}

std::string BigEndian(uint32_t value) {
  return {static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
          static_cast<char>(value)};
}

}  // namespace

void WriteJpeg(const std::string& path, int width, int height) {
  Require(stbi_write_jpg(path.c_str(), width, height, 3, Gradient(width, height).data(), 80), path);
}

void WritePng(const std::string& path, int width, int height) {
  Require(stbi_write_png(path.c_str(), width, height, 3, Gradient(width, height).data(), width * 3), path);
}

void WriteBmp(const std::string& path, int width, int height, bool topDown) {
  Require(stbi_write_bmp(path.c_str(), width, height, 3, Gradient(width, height).data()), path);
  if (!topDown) return;
  std::string bytes = ReadBytes(path);
  const auto negative = static_cast<uint32_t>(-height);
  for (int i = 0; i < 4; ++i) bytes[static_cast<size_t>(22 + i)] = static_cast<char>(negative >> (8 * i));
  WriteBytes(path, bytes);
}

void WriteGifHeader(const std::string& path, uint16_t width, uint16_t height) {
  std::string bytes = "GIF89a";
  bytes += {static_cast<char>(width & 0xFF), static_cast<char>(width >> 8), static_cast<char>(height & 0xFF),
            static_cast<char>(height >> 8), '\0', '\0', '\0', ';'};
  WriteBytes(path, bytes);
}

void WritePngHeader(const std::string& path, uint32_t width, uint32_t height) {
  std::string bytes = "\x89PNG\r\n\x1A\n";
  bytes += BigEndian(13) + "IHDR" + BigEndian(width) + BigEndian(height);
  bytes += std::string{'\x08', '\x02', '\0', '\0', '\0'};  // 8-bit RGB, no interlace
  bytes += BigEndian(0);  // CRC: not checked by a header reader
  WriteBytes(path, bytes);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace vslib_test
