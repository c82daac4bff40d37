#pragma once

#include "Raster.h"

namespace artgen {

// The watering can, drawn in the coordinates of one 222 x 210 walking frame
// (the can's own position); every other can sheet is placed relative to it:
// standing frames 46 rows lower, trumpeting frames at (13, 50), pouring
// frames at the position itself, the legs sheet at (-9, 156) while pouring.
void DrawCanWalk(Canvas& c, int frame);
void DrawCanLegs(Canvas& c, int frame);
void DrawCanPour(Canvas& c, int frame);
void DrawCanStand(Canvas& c, int frame);
void DrawCanTrumpet(Canvas& c, int frame);

// The point (in pouring-frame coordinates) where the water of the last pouring
// frame ends; the drinking head's mouth is built around it.
Vec2 PourStreamEnd();

}  // namespace artgen
