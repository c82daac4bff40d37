#include "slideshow/effects/EffectRandom.h"

#include <cstdlib>

namespace lumi {
namespace {

class RuntimeRandom final : public EffectRandom {
 public:
  void Seed(unsigned seed) override { std::srand(seed); }
  int Next() override { return std::rand() & 0x7FFF; }
};

}  // namespace

EffectRandom& RuntimeEffectRandom() {
  static RuntimeRandom random;
  return random;
}

}  // namespace lumi
