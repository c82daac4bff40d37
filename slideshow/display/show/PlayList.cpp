#include "slideshow/display/show/PlayList.h"

#include <utility>

#include "slideshow/display/show/ShowSeams.h"

namespace lumi {

void CPlayList::BuildSequential(const PictureCatalog& catalog) {
  entries_.clear();
  const int collections = catalog.CollectionCount();
  for (int c = 0; c < collections; ++c) {
    if (!catalog.IsActive(c)) continue;
    const int pictures = catalog.PictureCount(c);
    for (int p = 0; p < pictures; ++p) {
      if (!catalog.IsRemoved(c, p)) entries_.push_back({c, p});
    }
  }
  current_ = 0;
}

void CPlayList::BuildShuffled(const PictureCatalog& catalog, RandomSource& random) {
  BuildSequential(catalog);
  if (entries_.empty()) return;
  random.Reseed();
  const auto count = static_cast<unsigned>(entries_.size());
  for (unsigned i = 0; i < count; ++i) {
    // Unsigned, so that a stray negative number cannot index outside the list.
    const unsigned other = static_cast<unsigned>(random.Next()) % count;
    std::swap(entries_[i], entries_[other]);
  }
}

bool CPlayList::Next(PlayEntry& entry) {
  if (!Current(entry)) return false;
  current_ = (current_ + 1) % GetCount();
  return true;
}

bool CPlayList::Current(PlayEntry& entry) const {
  if (entries_.empty() || current_ < 0 || current_ >= GetCount()) return false;
  entry = entries_[static_cast<std::size_t>(current_)];
  return true;
}

bool CPlayList::ResumeAt(const PlayEntry& entry) {
  for (int i = 0; i < GetCount(); ++i) {
    if (entries_[static_cast<std::size_t>(i)] == entry) {
      current_ = i;
      return true;
    }
  }
  current_ = 0;
  return false;
}

}  // namespace lumi
