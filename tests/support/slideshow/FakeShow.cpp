#include "tests/support/slideshow/FakeShow.h"

#include <algorithm>
#include <numeric>

namespace lumi::test {

bool FakeCatalog::IsRemoved(int c, int p) const {
  const auto& removed = collections.at(c).removed;
  return std::find(removed.begin(), removed.end(), p) != removed.end();
}

bool FakeCatalog::ReadPicture(const PlayEntry& entry, ShowPicture& picture) const {
  if (entry.collection < 0 || entry.collection >= CollectionCount()) return false;
  const auto& pictures = collections[entry.collection].pictures;
  if (entry.picture < 0 || entry.picture >= static_cast<int>(pictures.size())) return false;
  picture = pictures[entry.picture];
  picture.entry = entry;
  return true;
}

FakeCatalog CatalogOf(int pictures) {
  FakeCatalog catalog;
  catalog.collections.resize(1);
  for (int i = 0; i < pictures; ++i) {
    ShowPicture p;
    const std::string number = std::to_string(i);
    p.imageRef.append("p").append(number).append(".jpg");
    p.title.append("T").append(number);
    catalog.collections[0].pictures.push_back(p);
  }
  return catalog;
}

bool FakeStore::LoadStoredNext(PlayEntry& entry) {
  if (hasStored) entry = stored;
  return hasStored;
}

void FakeClock::Sleep(int milliseconds) {
  sleeps.push_back(milliseconds);
  now += static_cast<std::uint32_t>(milliseconds);
  if (afterSleep) afterSleep(TotalSlept());
}

long long FakeClock::TotalSlept() const {
  return std::accumulate(sleeps.begin(), sleeps.end(), 0LL);
}

bool ScriptedSource::Load(const ShowPicture& picture, bool firstPicture) {
  log_.Add(std::string("load ") + picture.imageRef + (firstPicture ? " first" : ""));
  clock_.now += static_cast<std::uint32_t>(loadMs);
  if (duringLoad) duringLoad();
  return std::find(failing.begin(), failing.end(), picture.imageRef) == failing.end();
}

void ScriptedPresenter::ShowCaptionAndWait(int seconds, const std::string& message) {
  log_.Add("caption " + std::to_string(seconds) + " " + message);
}

}  // namespace lumi::test
