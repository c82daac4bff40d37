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
  // A picture the collection does not hold is not stored. Only its place
  // is stored, so its record need not be read (the collection file is read
  // once per value, which costs more than this check).
  if (entry.picture < 0 || entry.picture >= c->GetPictureCount()) return;
  settings_.SaveNextPicture(c->GetNumber(), entry.picture);
}

bool SettingsShowStore::UseSoundEffects() { return settings_.GetUseSoundEffects(); }

std::string SettingsShowStore::NextMessage() { return settings_.NextMessage(); }

}  // namespace lumi
