#include "slideshow/effects/blocks/DripEffect.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "common/GdiGuards.h"

namespace lumi {
namespace {

constexpr int kPaintBlock = 64;
// A falling block looks at the stop flag only at these fall positions: a
// fall is short, and the trail is best left whole.
constexpr int kStopLookEvery = 20;
// The wandering column moves by these many places for r = 0 .. 5; r = 6 .. 8
// leaves it where it is.
constexpr int kWanderMoves[] = {-1, +1, -2, +2, -3, +3};
constexpr int kWanderChoices = 9;
constexpr int kFreshChoiceOneIn = 15;

}  // namespace

int CDripEffect::ChoosePosition(int previous, int remaining, bool previousCompletedColumn) {
  if (mode_ == Mode::Blocks && !previousCompletedColumn && Rand() % kFreshChoiceOneIn != 0) {
    const int r = Rand() % kWanderChoices;
    int k = previous;
    if (r < static_cast<int>(std::size(kWanderMoves))) k += kWanderMoves[r];
    k %= remaining;
    return k < 0 ? k + remaining : k;
  }
  return Rand() % remaining;
}

bool CDripEffect::DropBlock(int column, int placed, int b, int rows) {
  const RECT& pic = PictureRect();
  const int x = column * b;
  const int sourceY = (rows - placed - 1) * b;
  const int fallDistance = PictureHeight() - b * (placed + 1);
  if (fallDistance > 0) {
    // Long: every fall position is drawn twice.
    const bool twice = Speed() == 1;
    const int step = BySpeed(2, 2, 3);
    int position = 0;
    for (int draws = 1; position < fallDistance; ++draws) {
      if (position % kStopLookEvery == 0 && StopRequested()) return false;
      const int y = std::min(position, fallDistance - 1);
      CopyTo(pic.left + x, pic.top + y, b, b, x, sourceY);
      Fill(pic.left + x, pic.top + y - b, b, b, PATCOPY);
      if (!twice || draws % 2 == 0) position += step;
    }
  }
  // The trail above the rest position goes, the block takes its place in the
  // grid, and what is left of the falling image above that place is painted
  // over; the row just above the place belongs to the block still to come.
  Fill(pic.left + x, pic.top + fallDistance - b, b, b, PATCOPY);
  CopyPart(x, sourceY, b, b);
  Fill(pic.left + x, pic.top + sourceY - 1 - b, b, b, PATCOPY);
  return true;
}

int CDripEffect::Draw() {
  if (!Prepared()) return 0;
  const bool paint = mode_ == Mode::Paint;
  const int width = PictureWidth();
  const int height = PictureHeight();
  // Columns and rows reach one block past the picture; what lies there is
  // margin, which stays black.
  ClipToPicture();
  if (paint) Fill(PictureRect().left, PictureRect().top, width, height, BLACKNESS);
  const int b = paint ? kPaintBlock : BySpeed(2, 4, 8);
  const int columns = width / b + 1;
  const int rows = height / b + 1;
  std::vector<int> remaining(static_cast<std::size_t>(columns));
  std::iota(remaining.begin(), remaining.end(), 0);
  std::vector<int> placed(static_cast<std::size_t>(columns), 0);
  const zeb::SelectionGuard brush(Target(), GetStockObject(BLACK_BRUSH));
  // Even: every column fills from the bottom up; odd: from the top down.
  const bool fromBottom = !paint && !RandomOdd();

  int position = 0;
  bool completedColumn = true;  // the first choice is a fresh one
  while (!remaining.empty()) {
    if (StopRequested()) return 0;
    const int count = static_cast<int>(remaining.size());
    position = ChoosePosition(position, count, completedColumn);
    const int column = remaining[static_cast<std::size_t>(position)];
    int& n = placed[static_cast<std::size_t>(column)];
    if (paint) {
      if (!DropBlock(column, n, b, rows)) return 0;
    } else {
      CopyPart(column * b, (fromBottom ? rows - n - 1 : n) * b, b, b);
    }
    completedColumn = ++n == rows;
    if (completedColumn) remaining.erase(remaining.begin() + position);
  }
  RemoveClip();
  return 1;
}

}  // namespace lumi
