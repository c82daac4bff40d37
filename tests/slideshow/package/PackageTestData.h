#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "slideshow/engine/package/PackageWriter.h"

namespace lumi::test {

using Bytes = std::vector<unsigned char>;

// Stand-in for the engine program the package is appended to.
Bytes FakeEngine(std::size_t size);

// An entry laid down byte by byte, so tests can store what the writer refuses:
// unsafe names, leftovers after the NUL, wrong signatures.
struct RawEntry {
  std::string nameField;  // up to 256 bytes, padded with zeros
  std::string data;
};

Bytes RawPackage(const Bytes& engine, const std::vector<RawEntry>& entries);

// engine followed by the package the writer makes of members.
Bytes WrittenPackage(const Bytes& engine, const std::vector<PackageMember>& members);

std::uint32_t GetU32(const Bytes& bytes, std::size_t offset);
void PutU32(Bytes& bytes, std::size_t offset, std::uint32_t value);

}  // namespace lumi::test
