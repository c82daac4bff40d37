#pragma once
// The one-pixel 3D frame of the viewer: the thumbnail cells draw it raised or
// pressed, and the viewer dialog draws it sunken around the thumbnail view.
#include <windows.h>

namespace lumi {

// Sunken: top and left edges in the button-shadow colour, right and bottom
// in the button-highlight colour; raised swaps the two. The frame lies on the
// rectangle's outermost pixels: the top edge runs the full width, the left
// edge stops one pixel above the bottom, the right edge (the last column)
// runs the full height and the bottom edge starts one pixel right of the left
// edge. Leaves the context's background colour as it found it.
void DrawFrame3d(HDC dc, const RECT& rect, bool sunken);

}  // namespace lumi
