#pragma once
// "Dripping Paint" and "Drop Blocks": the new picture builds up column by
// column in randomly chosen columns. In paint mode the picture first goes
// black and each block falls down its column, trailing black, to its place;
// in blocks mode small blocks simply appear, every column filled from the
// same end, the choice of column wandering among its neighbours.
#include <string>

#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

class CDripEffect : public CTransitionEffect {
 public:
  enum class Mode { Paint, Blocks };

  explicit CDripEffect(Mode mode) : mode_(mode) {}
  int Draw() override;
  std::string GetName() const override {
    return mode_ == Mode::Paint ? "Dripping Paint" : "Drop Blocks";
  }

 private:
  // The next column to grow, as a position in the list of remaining columns.
  int ChoosePosition(int previous, int remaining, bool previousCompletedColumn);
  // Lets the column's next block fall from the top to its place; false when
  // a stop ended the fall.
  bool DropBlock(int column, int placed, int blockSize, int rows);

  Mode mode_;
};

}  // namespace lumi
