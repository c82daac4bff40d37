#include "slideshow/engine/package/PackageReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "slideshow/engine/package/MemberName.h"
#include "slideshow/engine/package/PackageFormat.h"

namespace lumi {
namespace {

// Walks the entry table between the header and the trailer. end is the first
// byte of the trailer: member data may not run into it.
ReadOutcome ReadEntries(ByteSource& source, std::uint64_t position, std::uint64_t end,
                        std::uint32_t count, PackageDirectory& directory) {
  // Each entry needs its head at least, so a count the file cannot hold is
  // damage; checking it first also keeps the loop short on hostile counts.
  if (count > (end - position) / kEntryHeadSize) return ReadOutcome::kBadFormat;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (end - position < kEntryHeadSize) return ReadOutcome::kBadFormat;
    std::array<unsigned char, kEntryHeadSize> head;
    if (!source.ReadAt(position, head.data(), head.size())) return ReadOutcome::kBadFormat;
    if (LoadU32(head.data()) != kEntrySignature) return ReadOutcome::kBadFormat;

    const unsigned char* nameField = head.data() + kEntryNameOffset;
    const void* nul = std::memchr(nameField, '\0', kNameFieldSize);
    if (nul == nullptr) return ReadOutcome::kBadFormat;
    PackageEntry entry;
    entry.name.assign(reinterpret_cast<const char*>(nameField),
                      static_cast<const unsigned char*>(nul) - nameField);
    entry.nameIsSafe = IsSafeMemberName(entry.name);
    entry.dataSize = LoadU32(head.data() + kEntryDataSizeOffset);
    entry.dataOffset = position + kEntryHeadSize;
    if (entry.dataSize > end - entry.dataOffset) return ReadOutcome::kBadFormat;

    position = entry.dataOffset + entry.dataSize;
    directory.Add(std::move(entry));
  }
  return ReadOutcome::kOk;
}

ReadOutcome ReadDirectory(ByteSource& source, PackageDirectory& directory) {
  const std::uint64_t size = source.Size();
  if (size < kTrailerSize) return ReadOutcome::kNotPackage;
  std::array<unsigned char, kTrailerSize> trailer;
  if (!source.ReadAt(size - kTrailerSize, trailer.data(), trailer.size())) {
    return ReadOutcome::kNotPackage;
  }
  if (LoadU32(trailer.data()) != kPackageSignature) return ReadOutcome::kNotPackage;

  const std::uint64_t end = size - kTrailerSize;
  const std::uint64_t headerOffset = LoadU32(trailer.data() + 4);
  if (headerOffset > end || end - headerOffset < kHeaderHeadSize) return ReadOutcome::kBadFormat;
  std::array<unsigned char, kHeaderSize> header;
  if (!source.ReadAt(headerOffset, header.data(), kHeaderHeadSize)) {
    return ReadOutcome::kBadFormat;
  }
  if (LoadU32(header.data()) != kPackageSignature) return ReadOutcome::kBadFormat;
  const std::uint32_t version = LoadU32(header.data() + 4);
  directory.SetVersion(version);
  if (version != kPackageVersion) return ReadOutcome::kOk;

  if (end - headerOffset < kHeaderSize) return ReadOutcome::kBadFormat;
  if (!source.ReadAt(headerOffset + kHeaderHeadSize, header.data() + kHeaderHeadSize,
                     kHeaderSize - kHeaderHeadSize)) {
    return ReadOutcome::kBadFormat;
  }
  const std::uint32_t count = LoadU32(header.data() + 8);
  return ReadEntries(source, headerOffset + kHeaderSize, end, count, directory);
}

}  // namespace

ReadOutcome ReadPackageDirectory(ByteSource& source, PackageDirectory& directory) {
  directory.Clear();
  const ReadOutcome outcome = ReadDirectory(source, directory);
  if (outcome != ReadOutcome::kOk) directory.Clear();
  return outcome;
}

bool ReadEntryData(ByteSource& source, const PackageEntry& entry, void* buffer) {
  const std::uint64_t size = source.Size();
  if (entry.dataOffset > size || entry.dataSize > size - entry.dataOffset) return false;
  return source.ReadAt(entry.dataOffset, buffer, entry.dataSize);
}

}  // namespace lumi
