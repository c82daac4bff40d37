#pragma once
// How long the animation thread sleeps after a frame step.
#include <cstdint>

namespace gulpleaf {

// rest = deadline - now as an unsigned 32-bit number; 0 becomes 1, and
// anything above the period (including the huge value of an overrun deadline)
// becomes the full period, so an overrunning step is followed by a full sleep.
constexpr std::uint32_t RestAfterStep(std::uint32_t deadline, std::uint32_t now,
                                      std::uint32_t speed) {
  std::uint32_t rest = deadline - now;
  if (rest == 0) return 1;
  return rest > speed ? speed : rest;
}

}  // namespace gulpleaf
