#include "slideshow/engine/imaging/FileBytes.h"

#include <cstdio>
#include <memory>

#include "slideshow/engine/imaging/ImagingApi.h"

namespace lumi::imaging {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

int ReadWholeFile(const char* path, std::vector<std::uint8_t>& bytes) {
  if (path == nullptr || *path == '\0') return kImgErrBadArgument;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
  if (!file) return kImgErrFile;
  if (std::fseek(file.get(), 0, SEEK_END) != 0) return kImgErrFile;
  long size = std::ftell(file.get());
  if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return kImgErrFile;
  if (size > kMaxFileBytes) return kImgErrTooLarge;
  try {
    bytes.resize(static_cast<std::size_t>(size));
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
  if (size > 0 && std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
    return kImgErrFile;
  return kImgOk;
}

int WriteWholeFile(const char* path, const std::vector<std::uint8_t>& bytes) {
  if (path == nullptr || *path == '\0') return kImgErrBadArgument;
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return kImgErrFile;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  // A full disk often shows only when the buffer is flushed at close.
  bool closed = std::fclose(file) == 0;
  if (written && closed) return kImgOk;
  std::remove(path);
  return kImgErrFile;
}

}  // namespace lumi::imaging
