#include "slideshow/engine/package/PackageDirectory.h"

#include <utility>

#include "slideshow/engine/package/MemberName.h"

namespace lumi {

void PackageDirectory::Clear() {
  entries_.clear();
  version_ = 0;
}

void PackageDirectory::Add(PackageEntry entry) { entries_.push_back(std::move(entry)); }

int PackageDirectory::FindIndex(std::string_view name) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const PackageEntry& entry = entries_[i];
    if (entry.nameIsSafe && MemberNamesEqual(entry.name, name)) return static_cast<int>(i);
  }
  return -1;
}

const PackageEntry* PackageDirectory::Find(std::string_view name) const {
  const int index = FindIndex(name);
  return index < 0 ? nullptr : &entries_[static_cast<std::size_t>(index)];
}

}  // namespace lumi
