#include "slideshow/display/show/CollectionCatalog.h"

#include "slideshow/engine/collection/CollectionList.h"
#include "slideshow/engine/collection/PictureInfo.h"

namespace lumi {

int CollectionCatalog::CollectionCount() const { return collections_.GetCount(); }

bool CollectionCatalog::IsActive(int collection) const {
  const CPictureCollection* c = collections_.GetAt(collection);
  return c != nullptr && c->IsActive();
}

int CollectionCatalog::PictureCount(int collection) const {
  const CPictureCollection* c = collections_.GetAt(collection);
  return c != nullptr ? c->GetPictureCount() : 0;
}

bool CollectionCatalog::IsRemoved(int collection, int picture) const {
  const CPictureCollection* c = collections_.GetAt(collection);
  return c == nullptr || c->IsRemoved(picture);
}

bool CollectionCatalog::ReadPicture(const PlayEntry& entry, ShowPicture& picture) const {
  const CPictureCollection* c = collections_.GetAt(entry.collection);
  CPictureInfo info;
  if (c == nullptr || !c->LoadPicture(info, entry.picture)) return false;
  picture.entry = entry;
  picture.title = info.GetTitle();
  picture.imageRef = info.GetImageRef();
  picture.thumbRef = info.GetThumbRef();
  picture.graphicName = info.GetGraphicName();
  picture.graphicPosition = info.GetGraphicPosition();
  picture.soundName = info.GetSoundName();
  picture.repeatSound = info.GetRepeatSound();
  picture.displayTime = info.GetDisplayTime();
  return true;
}

}  // namespace lumi
