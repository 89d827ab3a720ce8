#include "e2e/Photos.h"

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace e2e {
namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// An uncompressed 24-bit BMP, the simplest format the library reads.
std::string Bmp(std::uint32_t width, std::uint32_t height) {
  std::uint32_t row = (width * 3 + 3) / 4 * 4;
  std::uint32_t pixels = row * height;
  std::string out = "BM";
  PutLittleEndian(out, 54 + pixels, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 54, 4);
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, width, 4);
  PutLittleEndian(out, height, 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 24, 2);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, pixels, 4);
  PutLittleEndian(out, 2835, 4);
  PutLittleEndian(out, 2835, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
  out.append(pixels, '\x80');
  return out;
}

class PhotoFolder {
 public:
  PhotoFolder() {
    m_dir = std::filesystem::temp_directory_path() / ("tellan-e2e-photos-" + std::to_string(getpid()));
    std::filesystem::create_directories(m_dir);
    const std::uint32_t sizes[][2] = {{120, 90}, {200, 150}, {64, 64}};
    for (int i = 0; i < 3; ++i) {
      std::ofstream(Path(i), std::ios::binary) << Bmp(sizes[i][0], sizes[i][1]);
    }
  }
  ~PhotoFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
  }
  PhotoFolder(const PhotoFolder&) = delete;
  PhotoFolder& operator=(const PhotoFolder&) = delete;

  std::string Path(int index) const { return (m_dir / ("photo" + std::to_string(index) + ".bmp")).string(); }

 private:
  std::filesystem::path m_dir;
};

}  // namespace

std::string AcceptedPhoto(int index) {
  static PhotoFolder folder;
  if (index < 0 || index > 2) throw std::out_of_range("no such photo");
  return folder.Path(index);
}

}  // namespace e2e
