#include "slideshow/display/show/SettingsShowStore.h"

#include "slideshow/engine/collection/CollectionList.h"
#include "slideshow/engine/collection/PictureInfo.h"
#include "slideshow/engine/settings/SaverSettings.h"

namespace lumi {

bool SettingsShowStore::LoadStoredNext(PlayEntry& entry) {
  CPictureInfo info;
  if (!settings_.LoadNextPicture(info, collections_) || info.GetCollection() == nullptr) {
    return false;
  }
  entry = {info.GetCollection()->GetNumber(), info.GetIndex()};
  return true;
}

void SettingsShowStore::SaveNextPicture(const PlayEntry& entry) {
  const CPictureCollection* c = collections_.GetAt(entry.collection);
  if (c == nullptr) return;
  // The store takes a picture record; one the collection cannot fill keeps
  // no collection and is not stored.
  CPictureInfo info;
  c->LoadPicture(info, entry.picture);
  settings_.SaveNextPicture(info);
}

bool SettingsShowStore::UseSoundEffects() { return settings_.GetUseSoundEffects(); }

std::string SettingsShowStore::NextMessage() { return settings_.NextMessage(); }

}  // namespace lumi
