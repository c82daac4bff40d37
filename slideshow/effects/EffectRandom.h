#pragma once
// The random numbers of the transitions: which effect runs and every choice
// an effect makes. The runtime's generator (rand(), 0 .. 32767, seeded by
// srand) in the saver; a fixed sequence in tests.

namespace lumi {

class EffectRandom {
 public:
  virtual ~EffectRandom() = default;
  virtual void Seed(unsigned seed) = 0;
  // 0 .. 32767.
  virtual int Next() = 0;
};

// The runtime's generator, shared by the process as rand() is.
EffectRandom& RuntimeEffectRandom();

}  // namespace lumi
