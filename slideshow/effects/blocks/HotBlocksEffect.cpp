#include "slideshow/effects/blocks/HotBlocksEffect.h"

#include <utility>
#include <vector>

namespace lumi {
namespace {

struct Cell {
  int i, j;
};

// A moving block arrives when it is within the same four pixels as its place.
constexpr int kArrival = 4;
constexpr int kFastStep = 4;
constexpr int kSlowStep = 1;

int Toward(int from, int to, int step) {
  if (from < to) return from + step;
  if (from > to) return from - step;
  return from;
}

}  // namespace

bool CHotBlocksEffect::SlideIn(int i, int j, int b, int columns, int rows, bool fast) {
  const RECT& pic = PictureRect();
  const int tx = b * i;
  const int ty = b * j;
  int x = tx;
  int y = ty;
  switch (Rand() % 4) {
    case 0:  // from the left edge
      x = 0;
      break;
    case 1:  // from the top
      y = 0;
      break;
    case 2:  // from the bottom row
      y = b * (rows - 1);
      break;
    default:  // from the right column
      x = b * (columns - 1);
      break;
  }
  const int step = fast ? kFastStep : kSlowStep;
  while (x / kArrival != tx / kArrival || y / kArrival != ty / kArrival) {
    if (StopRequested()) return false;
    CopyTo(pic.left + x, pic.top + y, b, b, tx, ty);
    const int oldX = x;
    const int oldY = y;
    x = Toward(x, tx, step);
    y = Toward(y, ty, step);
    if (fast) {
      // What the block leaves behind: the strip of its old rectangle that
      // its new one does not cover.
      if (x > oldX) Fill(pic.left + oldX, pic.top + oldY, x - oldX, b, BLACKNESS);
      if (x < oldX) Fill(pic.left + x + b, pic.top + oldY, oldX - x, b, BLACKNESS);
      if (y > oldY) Fill(pic.left + oldX, pic.top + oldY, b, y - oldY, BLACKNESS);
      if (y < oldY) Fill(pic.left + oldX, pic.top + y + b, b, oldY - y, BLACKNESS);
    }
  }
  CopyPart(tx, ty, b, b);
  // Later blocks pass beneath this one.
  ExcludeFromClip(RECT{pic.left + tx, pic.top + ty, pic.left + tx + b, pic.top + ty + b});
  return true;
}

int CHotBlocksEffect::Draw() {
  if (!Prepared()) return 0;
  const int b = BySpeed(48, 96, 192);
  const int columns = PictureWidth() / b + 1;
  const int rows = PictureHeight() / b + 1;
  std::vector<Cell> cells;
  cells.reserve(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
  for (int i = 0; i < columns; ++i)
    for (int j = 0; j < rows; ++j) cells.push_back(Cell{i, j});
  const int count = static_cast<int>(cells.size());
  for (int k = 0; k < count; ++k) std::swap(cells[k], cells[Rand() % count]);

  ClipToPicture();
  const bool fast = RandomOdd();
  for (const Cell& cell : cells) {
    if (StopRequested() || !SlideIn(cell.i, cell.j, b, columns, rows, fast)) return 0;
  }
  RemoveClip();
  return 1;
}

}  // namespace lumi
