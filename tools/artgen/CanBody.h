#pragma once

#include "Raster.h"

namespace artgen {

// The can's body without legs: tank, lid, handle, spout with its rose, face.
struct CanFace {
  float lid = 0;  // eyelids, 0 open .. 1 closed
  Vec2 look{0.55f, 0.05f};
  bool happy = false;    // closed eyes drawn as arcs, a wide smile
  float bell = 0;        // 0: sprinkler rose; >0 the spout ends in a trumpet bell
  float spoutRaise = 0;  // radians the spout swings up toward vertical
  float spoutLength = 1;
};

// Tank centre and hip positions in walking-frame coordinates, at rest.
constexpr Vec2 kTankCentre{100, 99};
constexpr Vec2 kHipNear{84, 136};
constexpr Vec2 kHipFar{118, 136};
constexpr float kThigh = 36, kShin = 24;
constexpr float kAnkleY = 194;  // ankles on the ground at rest

void DrawCanBody(Canvas& c, const Affine& place, const CanFace& face);
// Rose centre and its facing direction in the body's own coordinates.
Vec2 RoseCentre(float spoutRaise, float spoutLength = 1);
Vec2 SpoutDirection(float spoutRaise);

// A thin steel leg with a knee, ending in a red shoe that points forward.
void DrawLeg(Canvas& c, const Affine& place, Vec2 hip, Vec2 knee, Vec2 ankle, bool near);

}  // namespace artgen
