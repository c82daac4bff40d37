#include "slideshow/engine/pipeline/SharedPalette.h"

#include <cstdint>
#include <vector>

namespace lumi {

HPALETTE CreateSharedPaletteFrom(HMODULE module) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(kSharedPaletteId), "PALETTE");
  if (found == nullptr) return nullptr;
  const DWORD size = SizeofResource(module, found);
  HGLOBAL loaded = LoadResource(module, found);
  const auto* rgb =
      loaded != nullptr ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
  if (rgb == nullptr || size < kSharedPaletteColours * 3u) return nullptr;

  // LOGPALETTE declares one entry; the block holds them all.
  std::vector<std::uint8_t> block(sizeof(LOGPALETTE) +
                                  kSharedPaletteColours * sizeof(PALETTEENTRY));
  auto* logical = reinterpret_cast<LOGPALETTE*>(block.data());
  logical->palVersion = 0x300;
  logical->palNumEntries = kSharedPaletteColours;
  for (int i = 0; i < kSharedPaletteColours; ++i) {
    logical->palPalEntry[i] = {rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2], PC_NOCOLLAPSE};
  }
  return CreatePalette(logical);
}

HPALETTE GetSharedPalette() {
  // Made once, by whichever thread asks first (the slideshow thread and the
  // viewer both may); a missing resource stays missing for the process.
  static const HPALETTE palette = CreateSharedPaletteFrom(GetModuleHandleA(nullptr));
  return palette;
}

}  // namespace lumi
