#pragma once
// The plant saver's one source of chance: non-negative 31-bit integers.
// Every use takes a value modulo a small number; tests replace the source
// with a fixed sequence.
#include <cstdint>

namespace gulpleaf {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual std::uint32_t Next() = 0;  // 0 .. 2^31 - 1
};

// A 64-bit linear congruential generator; the result is bits 32 to 62 of its
// state, whose low bits are too regular to use.
class LcgRandom final : public RandomSource {
 public:
  explicit LcgRandom(std::uint64_t seed = 0) : state_(seed) {}
  void Seed(std::uint64_t seed) { state_ = seed; }
  std::uint32_t Next() override {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>(state_ >> 32) & 0x7FFFFFFFu;
  }

 private:
  std::uint64_t state_;
};

// The process-wide generator.
LcgRandom& ProcessRandom();
// Seeds the process-wide generator from the current local time.
void SeedProcessRandomFromTime();

}  // namespace gulpleaf
