#pragma once
// Scaffolding while the effects are written: a named straight copy. Gone
// once every row of the table has its effect.
#include <string>

#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

class CPendingEffect : public CTransitionEffect {
 public:
  explicit CPendingEffect(const char* name) : name_(name) {}
  std::string GetName() const override { return name_; }

 private:
  std::string name_;
};

}  // namespace lumi
