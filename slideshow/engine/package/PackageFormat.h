#pragma once

#include <cstddef>
#include <cstdint>

namespace lumi {

// Layout of the package a builder appends to a copy of the engine program. All
// integers are 32-bit unsigned little-endian; the trailer's header offset is
// absolute, everything else follows the header back to back.
inline constexpr std::uint32_t kPackageSignature = 0x00790A0F;  // trailer and header
inline constexpr std::uint32_t kEntrySignature = 0x00977019;
inline constexpr std::uint32_t kPackageVersion = 1;
inline constexpr std::uint32_t kEntryKindFile = 1;

inline constexpr std::size_t kTrailerSize = 8;      // signature, header offset
inline constexpr std::size_t kHeaderSize = 16;      // signature, version, count, total size
inline constexpr std::size_t kHeaderHeadSize = 8;   // signature and version alone
inline constexpr std::size_t kNameFieldSize = 256;  // NUL-terminated, rest undefined
inline constexpr std::size_t kEntryHeadSize = 268;  // signature, kind, name, data size

// Byte offsets inside one entry head.
inline constexpr std::size_t kEntryKindOffset = 4;
inline constexpr std::size_t kEntryNameOffset = 8;
inline constexpr std::size_t kEntryDataSizeOffset = 264;

// The trailer stores the header offset in 32 bits and the engine keeps data
// offsets in 32 bits, so a whole saver file must stay below 4 GiB.
inline constexpr std::uint64_t kMaxSaverFileSize = 0xFFFFFFFFull;

inline std::uint32_t LoadU32(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

inline void StoreU32(unsigned char* bytes, std::uint32_t value) {
  bytes[0] = static_cast<unsigned char>(value);
  bytes[1] = static_cast<unsigned char>(value >> 8);
  bytes[2] = static_cast<unsigned char>(value >> 16);
  bytes[3] = static_cast<unsigned char>(value >> 24);
}

}  // namespace lumi
