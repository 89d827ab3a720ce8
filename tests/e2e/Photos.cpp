#include "e2e/Photos.h"

#include "common/BmpImage.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace e2e {
namespace {

class PhotoFolder {
 public:
  PhotoFolder() {
    m_dir = std::filesystem::temp_directory_path() / ("tellan-e2e-photos-" + std::to_string(getpid()));
    std::filesystem::create_directories(m_dir);
    const std::uint32_t sizes[][2] = {{120, 90}, {200, 150}, {64, 64}};
    for (int i = 0; i < 3; ++i) {
      std::ofstream(Path(i), std::ios::binary) << BmpImage(sizes[i][0], sizes[i][1]);
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
