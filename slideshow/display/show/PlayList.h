#pragma once
// CPlayList: the order in which the slideshow shows the pictures of the
// active collections, and where in that order it stands.
#include <vector>

#include "slideshow/display/show/PlayEntry.h"

namespace lumi {

class PictureCatalog;
class RandomSource;

class CPlayList {
 public:
  // Every picture of every active collection that is not removed, in
  // collection order and then picture order; the list starts at its first
  // entry.
  void BuildSequential(const PictureCatalog& catalog);
  // The same pictures in an order reshuffled at every build.
  void BuildShuffled(const PictureCatalog& catalog, RandomSource& random);

  // The entry at the current place, then one place on (after the last entry
  // the first comes again). False for an empty list.
  bool Next(PlayEntry& entry);
  // The entry at the current place, without moving. False for an empty list.
  bool Current(PlayEntry& entry) const;
  // Moves to the first occurrence of the entry; when the list does not hold
  // it, to the first entry. True when it was found.
  bool ResumeAt(const PlayEntry& entry);

  int GetCount() const { return static_cast<int>(entries_.size()); }
  bool IsEmpty() const { return entries_.empty(); }
  // -1 until the list is built.
  int GetCurrentIndex() const { return current_; }
  const std::vector<PlayEntry>& GetEntries() const { return entries_; }

 private:
  std::vector<PlayEntry> entries_;
  int current_ = -1;
};

}  // namespace lumi
