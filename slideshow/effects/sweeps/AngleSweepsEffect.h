#pragma once
// "Angle Sweeps": diagonal lines of blocks cut the corners inward, a diamond
// outline grows from the centre, or both one after the other; rand() mod 5
// picks one of five variants.
#include <string>

#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

class CAngleSweepsEffect : public CTransitionEffect {
 public:
  int Draw() override;
  std::string GetName() const override { return "Angle Sweeps"; }

 private:
  // False when a stop was requested before the line.
  bool Line(int x0, int y0, int x1, int y1);
  int size_ = 2;
};

}  // namespace lumi
