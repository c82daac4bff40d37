#pragma once
// "Hot Blocks": in random order, each block of the new picture slides in from
// one of the picture's edges to its place, passing beneath the blocks
// already placed. Fast blocks jump four pixels and wipe their trail black;
// slow ones creep a pixel at a time and smear.
#include <string>

#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

class CHotBlocksEffect : public CTransitionEffect {
 public:
  int Draw() override;
  std::string GetName() const override { return "Hot Blocks"; }

 private:
  // Slides the block of cell (i, j) in; false when a stop ended it.
  bool SlideIn(int i, int j, int blockSize, int columns, int rows, bool fast);
};

}  // namespace lumi
