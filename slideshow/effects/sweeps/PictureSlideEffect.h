#pragma once
// "Picture Slide": the new picture enters at one edge (rand() mod 4 picks
// which) and pushes the old one out of the opposite edge, one strip a step.
#include <string>

#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

class CPictureSlideEffect : public CTransitionEffect {
 public:
  int Draw() override;
  std::string GetName() const override { return "Picture Slide"; }
};

}  // namespace lumi
