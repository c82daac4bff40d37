#pragma once

#include "Raster.h"

namespace artgen {

// A lance-shaped leaf with a midrib and side veins, lit as if folded along
// its rib; the plant's foot, collar and crown are made of these.
struct Leaf {
  Vec2 base;
  float angle;  // degrees, clockwise from +x (y grows down)
  float length;
  float width;         // half width at the widest point
  float curl;          // bend of the midrib toward +v per unit length
  float swayA, swayB;  // degrees of sway on cos(theta) and cos(2 theta)
  float young = 0;     // 0 dark green .. 1 fresh yellow-green
};

// theta is the sway phase; shade darkens leaves further back.
void DrawLeaf(Canvas& c, const Leaf& l, float theta, float shade);

}  // namespace artgen
