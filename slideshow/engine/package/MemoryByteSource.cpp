#include "slideshow/engine/package/MemoryByteSource.h"

#include <cstring>

namespace lumi {

bool MemoryByteSource::ReadAt(std::uint64_t offset, void* buffer, std::size_t length) {
  if (offset > bytes_.size() || length > bytes_.size() - offset) return false;
  if (length != 0) std::memcpy(buffer, bytes_.data() + offset, length);
  return true;
}

}  // namespace lumi
