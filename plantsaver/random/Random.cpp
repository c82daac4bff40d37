#include "plantsaver/random/Random.h"

#include <chrono>

namespace gulpleaf {

LcgRandom& ProcessRandom() {
  static LcgRandom random;
  return random;
}

void SeedProcessRandomFromTime() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  ProcessRandom().Seed(static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
}

}  // namespace gulpleaf
