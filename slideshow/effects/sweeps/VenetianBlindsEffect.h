#pragma once
// "Venetian Blinds": the picture's full-length strips, horizontal or vertical
// by a random bit, are copied one at a time in shuffled order.
#include <string>

#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

class CVenetianBlindsEffect : public CTransitionEffect {
 public:
  int Draw() override;
  std::string GetName() const override { return "Venetian Blinds"; }
};

}  // namespace lumi
