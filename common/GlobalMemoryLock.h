#pragma once
// A movable global memory block (a packed bitmap from the imaging module or
// the clipboard), locked for reading and unlocked on every way out.
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace zeb {

class GlobalMemoryLock {
 public:
  explicit GlobalMemoryLock(HGLOBAL block)
      : block_(block), bytes_(static_cast<const std::uint8_t*>(GlobalLock(block))) {}
  ~GlobalMemoryLock() {
    if (bytes_ != nullptr) GlobalUnlock(block_);
  }
  GlobalMemoryLock(const GlobalMemoryLock&) = delete;
  GlobalMemoryLock& operator=(const GlobalMemoryLock&) = delete;

  // Null when the block could not be locked.
  const std::uint8_t* Bytes() const { return bytes_; }
  std::size_t Size() const { return bytes_ != nullptr ? GlobalSize(block_) : 0; }

 private:
  HGLOBAL block_;
  const std::uint8_t* bytes_;
};

}  // namespace zeb
