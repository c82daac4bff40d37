#include "slideshow/engine/collection/CollectionList.h"

namespace lumi {

bool CCollectionList::Add(const std::string& path) {
  if (path.empty()) return false;
  auto collection = std::make_unique<CPictureCollection>();
  if (!collection->Open(path)) return false;
  collection->SetNumber(GetCount());
  collections_.push_back(std::move(collection));
  return true;
}

CPictureCollection* CCollectionList::GetAt(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return collections_[static_cast<std::size_t>(index)].get();
}

CCollectionList& GetCollectionList() {
  static CCollectionList list;
  return list;
}

}  // namespace lumi
