#pragma once
// The shared palette: 234 colours that thumbnails and colour-reduced photos
// are realised through, so that on a 256-colour display they share one set of
// colours with the 20 Windows keeps for itself. The colours come from the
// program's resource of type "PALETTE", id 5000 (RGB byte triples).
#include <windows.h>

namespace lumi {

inline constexpr int kSharedPaletteId = 5000;
inline constexpr int kSharedPaletteColours = 234;

// The process-wide palette, made on first use and kept until the process
// ends: never delete it. Null when the program carries no palette resource;
// callers then draw without one.
HPALETTE GetSharedPalette();

// A new palette (owned by the caller) from the palette resource of module:
// 234 entries flagged PC_NOCOLLAPSE, so that realising it gives each colour
// its own system palette slot. Null when the module has no such resource or
// it is too short.
HPALETTE CreateSharedPaletteFrom(HMODULE module);

}  // namespace lumi
