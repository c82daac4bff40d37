#pragma once
// The ordered list of open picture collections. It owns them; a collection's
// number is its position in the list.
#include <memory>
#include <string>
#include <vector>

#include "slideshow/engine/collection/PictureCollection.h"

namespace lumi {

class CCollectionList {
 public:
  // Opens the collection file and appends it; false, adding nothing, for an
  // empty path or a path without a file.
  bool Add(const std::string& path);
  int GetCount() const { return static_cast<int>(collections_.size()); }
  // Null outside 0 .. count - 1.
  CPictureCollection* GetAt(int index) const;
  void Clear() { collections_.clear(); }

 private:
  std::vector<std::unique_ptr<CPictureCollection>> collections_;
};

// The process's one list, filled at start-up.
CCollectionList& GetCollectionList();

}  // namespace lumi
