#include "plantsaver/animation/SpriteSheets.h"

namespace gulpleaf {

SpriteSheets::SpriteSheets(HINSTANCE instance) {
  zeb::WindowDcGuard screen(nullptr);
  for (std::size_t i = 0; i < kSheetCount; ++i) {
    // Loaded as device bitmaps: converted once to the screen's format, so
    // every later copy is a plain blit.
    bitmaps_[i].Reset(LoadBitmapA(instance, kSheets[i].resourceName));
    if (!bitmaps_[i]) continue;
    dcs_[i] = zeb::MemoryDcGuard(screen.Get());
    dcs_[i].Select(bitmaps_[i].Get());
  }
}

bool SpriteSheets::AllLoaded() const {
  for (const zeb::MemoryDcGuard& dc : dcs_) {
    if (!dc) return false;
  }
  return true;
}

}  // namespace gulpleaf
