#pragma once
// Every sprite sheet the actors draw from, loaded from the program's bitmap
// resources once when the saver form is made, each selected into a memory DC
// ready to be copied from.
#include <windows.h>

#include <array>
#include <cstddef>

#include "common/GdiGuards.h"
#include "plantsaver/animation/SheetCatalogue.h"

namespace gulpleaf {

class SpriteSheets {
 public:
  explicit SpriteSheets(HINSTANCE instance);
  SpriteSheets(const SpriteSheets&) = delete;
  SpriteSheets& operator=(const SpriteSheets&) = delete;

  bool AllLoaded() const;
  // The memory DC holding the sheet, or null when its resource is missing.
  HDC Dc(Sheet sheet) const { return dcs_[static_cast<std::size_t>(sheet)].Get(); }

 private:
  // In this order: each context deselects its sheet before the sheet goes.
  std::array<zeb::GdiObjectGuard, kSheetCount> bitmaps_{};
  std::array<zeb::MemoryDcGuard, kSheetCount> dcs_{};
};

}  // namespace gulpleaf
