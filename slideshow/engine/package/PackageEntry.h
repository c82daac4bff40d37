#pragma once

#include <cstdint>
#include <string>

namespace lumi {

// One member of a package as the directory lists it.
struct PackageEntry {
  std::string name;              // as stored, letter case kept
  std::uint32_t dataSize = 0;    // bytes of member data
  std::uint64_t dataOffset = 0;  // absolute file position of the first data byte
  // False for a stored name that could reach outside the extraction folder;
  // such an entry keeps its place in the directory but is never found by name.
  bool nameIsSafe = true;
};

}  // namespace lumi
