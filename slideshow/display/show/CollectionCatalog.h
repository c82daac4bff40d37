#pragma once
// The slideshow's view of the open picture collections.
#include "slideshow/display/show/ShowSeams.h"

namespace lumi {

class CCollectionList;

class CollectionCatalog final : public PictureCatalog {
 public:
  explicit CollectionCatalog(const CCollectionList& collections) : collections_(collections) {}

  int CollectionCount() const override;
  bool IsActive(int collection) const override;
  int PictureCount(int collection) const override;
  bool IsRemoved(int collection, int picture) const override;
  bool ReadPicture(const PlayEntry& entry, ShowPicture& picture) const override;

 private:
  const CCollectionList& collections_;
};

}  // namespace lumi
