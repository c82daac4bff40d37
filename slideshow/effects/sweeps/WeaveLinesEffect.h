#pragma once
// "Weave Lines": columns (or rows) of squares advance from both sides toward
// the middle, one side on the even cells and the other on the odd cells, like
// threads being woven. Random bits pick columns or rows, and the plain or the
// alternating pattern.
#include <string>

#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

class CWeaveLinesEffect : public CTransitionEffect {
 public:
  int Draw() override;
  std::string GetName() const override { return "Weave Lines"; }
};

}  // namespace lumi
