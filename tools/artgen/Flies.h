#pragma once

#include "Raster.h"

namespace artgen {

// Small fly, 60 x 37: frame pairs by flight direction (fast left, left,
// hovering, right, fast right), the second of each pair with wings down.
void DrawFly(Canvas& c, int frame);
void DrawFlyAt(Canvas& c, const Affine& place, int frame);
// Big fly, 200 x 150, flying right; its sting lies inside the rectangle
// (117, 121)-(197, 147), which the sting sheet redraws frame by frame.
void DrawBigFly(Canvas& c, int frame);
void DrawSting(Canvas& c, int frame);

}  // namespace artgen
