#include "plantsaver/animation/SpriteSheets.h"

namespace gulpleaf {

SpriteSheets::SpriteSheets(HINSTANCE instance) {
  HDC screen = GetDC(nullptr);
  for (std::size_t i = 0; i < kSheetCount; ++i) {
    // Loaded as device bitmaps: converted once to the screen's format, so
    // every later copy is a plain blit.
    bitmaps_[i] = LoadBitmapA(instance, kSheets[i].resourceName);
    if (!bitmaps_[i]) continue;
    dcs_[i] = CreateCompatibleDC(screen);
    if (dcs_[i]) oldSelections_[i] = SelectObject(dcs_[i], bitmaps_[i]);
  }
  ReleaseDC(nullptr, screen);
}

SpriteSheets::~SpriteSheets() {
  for (std::size_t i = 0; i < kSheetCount; ++i) {
    if (dcs_[i]) {
      SelectObject(dcs_[i], oldSelections_[i]);
      DeleteDC(dcs_[i]);
    }
    if (bitmaps_[i]) DeleteObject(bitmaps_[i]);
  }
}

bool SpriteSheets::AllLoaded() const {
  for (HDC dc : dcs_) {
    if (!dc) return false;
  }
  return true;
}

}  // namespace gulpleaf
