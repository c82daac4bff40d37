#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "slideshow/engine/package/ByteSource.h"

namespace lumi {

// A file on disk read through the standard library, for the builder and other
// portable tools. The engine reads its own file through a Windows handle instead.
class FileByteSource : public ByteSource {
 public:
  // False when the file cannot be opened or its size cannot be taken.
  bool Open(const std::filesystem::path& path);

  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, void* buffer, std::size_t length) override;

 private:
  std::ifstream file_;
  std::uint64_t size_ = 0;
};

}  // namespace lumi
