#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "slideshow/engine/package/ByteSource.h"

namespace lumi {

// Bytes already in memory; the caller keeps them alive.
class MemoryByteSource : public ByteSource {
 public:
  explicit MemoryByteSource(std::span<const unsigned char> bytes) : bytes_(bytes) {}

  std::uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(std::uint64_t offset, void* buffer, std::size_t length) override;

 private:
  std::span<const unsigned char> bytes_;
};

}  // namespace lumi
