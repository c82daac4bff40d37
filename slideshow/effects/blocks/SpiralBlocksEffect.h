#pragma once
// "Spiral Blocks": the new picture's blocks appear along a clockwise spiral
// from the picture's outer ring inwards, paced a millisecond a block.
#include <string>

#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

class CSpiralBlocksEffect : public CTransitionEffect {
 public:
  int Draw() override;
  std::string GetName() const override { return "Spiral Blocks"; }
};

}  // namespace lumi
