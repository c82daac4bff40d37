#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "slideshow/engine/package/PackageEntry.h"

namespace lumi {

// The entries of one package in file order, and lookup by member name.
class PackageDirectory {
 public:
  void Clear();
  void Add(PackageEntry entry);

  std::size_t Count() const { return entries_.size(); }
  const PackageEntry& At(std::size_t index) const { return entries_[index]; }
  const std::vector<PackageEntry>& Entries() const { return entries_; }

  // Version field of the header read last; 0 before any header was read. A
  // package of another version than ours reads as an empty directory.
  std::uint32_t Version() const { return version_; }
  void SetVersion(std::uint32_t version) { version_ = version; }

  // Index of the first entry in file order whose name matches ignoring case,
  // skipping entries with unsafe names; -1 when there is none.
  int FindIndex(std::string_view name) const;
  // That entry, or nullptr.
  const PackageEntry* Find(std::string_view name) const;

 private:
  std::vector<PackageEntry> entries_;
  std::uint32_t version_ = 0;
};

}  // namespace lumi
