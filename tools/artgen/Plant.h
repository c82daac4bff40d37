#pragma once

#include <vector>

#include "Raster.h"

namespace artgen {

// The plant's head, in the coordinates of one 225 x 154 head frame. The neck
// chain ends under the head at (137, 148); the resting head keeps within
// x 60..215 because the ducking pictures cover exactly that strip.
struct HeadPose {
  float upperJaw = 0;  // radians the top of the head lifts
  float lowerJaw = 0;  // radians the lower jaw drops
  float tilt = 0;      // radians the whole head leans back (snout up)
  Vec2 shift{0, 0};    // where the head leans to
  float lid = 0.3f;    // eyelids, 0 open .. 1 closed
  Vec2 look{-0.6f, 0.1f};
  bool happyEyes = false;
  float gulp = 0;  // throat swelling while swallowing
};

HeadPose HeadFramePose(int frame);
// Draws the head (and, if stalkTop is set, the stalk from the frame's
// bottom to the head) through `place`, which maps head-frame coordinates.
void DrawHead(Canvas& c, const Affine& place, const HeadPose& pose, bool withStalk = true);

// One neck segment with its top-left at `topLeft`; the saver repeats it
// every 8 pixels, so overlapping segments must read as one smooth stalk.
void DrawNeckBead(Canvas& c, const Affine& place, Vec2 topLeft);
// A stalk made of beads along a curve, drawn from `to` (bottom) up to `from`.
void DrawBeadChain(Canvas& c, const Affine& place, Vec2 from, Vec2 control, Vec2 to,
                   float spacing = 7);

// Foot (roots and leaves) in 151 x 99 foot coordinates; the neck leaves it at
// (75, 0). sway runs 0..1 over the ping-pong cycle; raise folds the leaves
// up around a ducking head (0 rest .. 1 closed).
void DrawFootBack(Canvas& c, const Affine& place, float sway, float raise);
void DrawFootFront(Canvas& c, const Affine& place, float sway, float raise);
void DrawCollarAt(Canvas& c, const Affine& place);

void DrawHeadFrame(Canvas& c, int frame);
void DrawFootFrame(Canvas& c, int frame);
void DrawCollar(Canvas& c);
void DrawNeckSegment(Canvas& c);
void DrawDuckFrame(Canvas& c, int frame);
void DrawLookFrame(Canvas& c, int frame);

}  // namespace artgen
