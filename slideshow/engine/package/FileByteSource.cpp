#include "slideshow/engine/package/FileByteSource.h"

namespace lumi {

bool FileByteSource::Open(const std::filesystem::path& path) {
  file_.close();
  size_ = 0;
  file_.open(path, std::ios::binary);
  if (!file_) return false;
  file_.seekg(0, std::ios::end);
  const std::streamoff end = file_.tellg();
  if (!file_ || end < 0) {
    file_.close();
    return false;
  }
  size_ = static_cast<std::uint64_t>(end);
  return true;
}

bool FileByteSource::ReadAt(std::uint64_t offset, void* buffer, std::size_t length) {
  if (!file_.is_open() || offset > size_ || length > size_ - offset) return false;
  if (length == 0) return true;
  file_.clear();
  file_.seekg(static_cast<std::streamoff>(offset), std::ios::beg);
  file_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(length));
  const bool complete = file_.gcount() == static_cast<std::streamsize>(length);
  file_.clear();
  return complete;
}

}  // namespace lumi
