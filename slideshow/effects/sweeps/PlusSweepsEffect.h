#pragma once
// "Plus Sweeps": full-length lines of blocks widen a cross from the centre
// (plus form), or four squares grow from the corners (corner form); a random
// bit picks the form.
#include <string>

#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

class CPlusSweepsEffect : public CTransitionEffect {
 public:
  int Draw() override;
  std::string GetName() const override { return "Plus Sweeps"; }

 private:
  struct Line {
    int x0, y0, x1, y1;
  };
  // Draws the lines of one step in order; false when a stop cut it short.
  bool DrawStep(int size, const Line* lines, int count);
};

}  // namespace lumi
