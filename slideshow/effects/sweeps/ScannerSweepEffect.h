#pragma once
// "Scanner Sweep": a radar line of blocks turns clockwise around the
// picture's centre, starting at the top-right corner.
#include <string>

#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

class CScannerSweepEffect : public CTransitionEffect {
 public:
  int Draw() override;
  std::string GetName() const override { return "Scanner Sweep"; }
};

}  // namespace lumi
