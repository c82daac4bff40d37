#pragma once

#include <cstddef>
#include <cstdint>

namespace lumi {

// Random-access view of a saver file. The directory parser reads through it so
// that the engine (over its own file handle), the builder and tests share one
// parser.
class ByteSource {
 public:
  virtual ~ByteSource() = default;

  virtual std::uint64_t Size() const = 0;

  // Fills buffer with exactly length bytes starting at offset; false when the
  // range is not inside the source or the read fails.
  virtual bool ReadAt(std::uint64_t offset, void* buffer, std::size_t length) = 0;
};

}  // namespace lumi
