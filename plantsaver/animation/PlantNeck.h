#pragma once
// The plant's neck: a chain of segments from the head down to the foot.
// Portable: no Windows header.
#include "plantsaver/animation/Actors.h"

namespace gulpleaf {

// A neck point as stored in TPflanz::neckPoints.
Point UnpackNeckPoint(unsigned packed);

// Sets the neck rectangle, rebuilds the neck points for a head at `head` and
// draws the segments into the canvas, the foot end first.
void DrawPlantNeck(TPflanz& plant, SpriteCanvas& canvas, Point head);

}  // namespace gulpleaf
