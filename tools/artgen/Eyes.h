#pragma once

#include "Raster.h"

namespace artgen {

// A cartoon eye shared by every character: a lit eyeball, an iris that follows
// the look direction, a pupil with a glint, and an upper lid in the skin colour.
struct EyeStyle {
  float radius = 10;
  Rgb iris{0.5f, 0.4f, 0.05f};
  float irisScale = 0.6f;    // of the radius
  float pupilScale = 0.55f;  // of the iris
  Rgb lid{0.1f, 0.4f, 0.1f};
  float lidTilt = 0;    // radians; positive lowers the outer (right) side
  bool squint = false;  // closed lid drawn as a happy arc instead of flat
};

// look: -1..1 in both axes; lid: 0 open .. 1 closed.
void DrawEye(Canvas& c, Vec2 centre, const EyeStyle& s, Vec2 look, float lid);

}  // namespace artgen
