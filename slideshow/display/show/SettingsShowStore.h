#pragma once
// The slideshow's use of the settings store: where it resumes, whether
// sounds play, and the caption messages.
#include "slideshow/display/show/ShowSeams.h"

namespace lumi {

class CCollectionList;
class CSaverSettings;

class SettingsShowStore final : public ShowStore {
 public:
  SettingsShowStore(CSaverSettings& settings, const CCollectionList& collections)
      : settings_(settings), collections_(collections) {}

  bool LoadStoredNext(PlayEntry& entry) override;
  void SaveNextPicture(const PlayEntry& entry) override;
  bool UseSoundEffects() override;
  std::string NextMessage() override;

 private:
  CSaverSettings& settings_;
  const CCollectionList& collections_;
};

}  // namespace lumi
