#pragma once
// "Scramble Blocks" and "Jumbled Blocks": the new picture's blocks appear
// one by one in random order. In jumbled mode the picture is first covered
// with randomly chosen blocks of the new picture, which the right blocks
// then replace.
#include <string>

#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

class CScrambleEffect : public CTransitionEffect {
 public:
  enum class Mode { Plain, Jumbled };

  explicit CScrambleEffect(Mode mode) : mode_(mode) {}
  int Draw() override;
  std::string GetName() const override {
    return mode_ == Mode::Plain ? "Scramble Blocks" : "Jumbled Blocks";
  }

 private:
  // Covers every cell with a random block; false when a stop ended it.
  bool CoverWithRandomPieces(int blockSize, int columns, int rows);
  // A random piece's offset along one direction with the given number of
  // whole blocks.
  int PieceOffset(int blockSize, int wholeBlocks);

  Mode mode_;
};

}  // namespace lumi
