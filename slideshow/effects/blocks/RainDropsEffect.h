#pragma once
// "Rain Drops": round drops of the new picture grow one after another at the
// points of a 50-pixel grid, in random order, until they cover the picture.
#include <string>

#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

class CRainDropsEffect : public CTransitionEffect {
 public:
  int Draw() override;
  std::string GetName() const override { return "Rain Drops"; }

 private:
  // One drop of the given radius around the grid point at picture-relative
  // (x, y).
  void DrawDrop(int x, int y, int radius);
};

}  // namespace lumi
