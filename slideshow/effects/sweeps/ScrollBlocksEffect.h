#pragma once
// "Scroll Blocks": the picture is cut into bands (columns or rows by a random
// bit); neighbouring bands scroll in opposite directions, each carrying its
// strip of the new picture in one square a step.
#include <string>

#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

class CScrollBlocksEffect : public CTransitionEffect {
 public:
  int Draw() override;
  std::string GetName() const override { return "Scroll Blocks"; }

 private:
  // False when a stop cut the form short.
  bool DrawColumnBands(int size, int bands, int steps);
  bool DrawRowBands(int size, int bands, int steps);
};

}  // namespace lumi
