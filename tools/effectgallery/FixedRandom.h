#pragma once
// The same choices on every run, so that a counting pass and a recording
// pass of one effect draw exactly the same thing.
#include <cstdint>

#include "slideshow/effects/EffectRandom.h"

namespace gallery {

class FixedRandom final : public lumi::EffectRandom {
 public:
  explicit FixedRandom(std::uint32_t seed) : state_(seed) {}
  void Seed(unsigned seed) override { state_ = seed; }
  int Next() override {
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }

 private:
  std::uint32_t state_;
};

}  // namespace gallery
