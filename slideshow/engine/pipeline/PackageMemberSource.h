#pragma once
// Where "@pk@" references are read from: the bound package in the engine,
// a table of buffers in tests.
#include <cstdint>
#include <memory>
#include <string>

namespace lumi {

class PackageMemberSource {
 public:
  virtual ~PackageMemberSource() = default;
  // The member's bytes (with spare zeroed bytes after them) and its size;
  // null when the package holds no member of that name.
  virtual std::unique_ptr<unsigned char[]> GetPackageMember(const std::string& name,
                                                            std::uint32_t* size) = 0;
};

}  // namespace lumi
