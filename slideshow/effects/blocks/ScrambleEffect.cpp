#include "slideshow/effects/blocks/ScrambleEffect.h"

#include <algorithm>
#include <vector>

namespace lumi {
namespace {

struct Cell {
  int i, j;
};

}  // namespace

int CScrambleEffect::PieceOffset(int b, int wholeBlocks) {
  // Pieces come from anywhere but the first row and column, and only from
  // whole blocks. With fewer than two whole blocks in a direction there is
  // no such range; the pieces then come from the first block there.
  if (wholeBlocks < 2) return 0;
  return b * (Rand() % (wholeBlocks - 1) + 1);
}

bool CScrambleEffect::CoverWithRandomPieces(int b, int columns, int rows) {
  const RECT& pic = PictureRect();
  const int width = PictureWidth();
  const int height = PictureHeight();
  for (int i = 0; i <= columns; ++i) {
    for (int j = 0; j <= rows; ++j) {
      if (StopRequested()) return false;
      const int sourceX = PieceOffset(b, columns);
      const int sourceY = PieceOffset(b, rows);
      // The cell is cut at the picture's right and bottom edges.
      const int w = std::min(b, width - i * b);
      const int h = std::min(b, height - j * b);
      if (w > 0 && h > 0) CopyTo(pic.left + i * b, pic.top + j * b, w, h, sourceX, sourceY);
    }
  }
  return true;
}

int CScrambleEffect::Draw() {
  if (!Prepared()) return 0;
  const int b = BySpeed(8, 14, 18);
  const int columns = PictureWidth() / b;
  const int rows = PictureHeight() / b;
  // The last column and row may reach past the picture; the margin there
  // stays black.
  ClipToPicture();
  if (mode_ == Mode::Jumbled && !CoverWithRandomPieces(b, columns, rows)) return 0;

  std::vector<Cell> cells;
  cells.reserve(static_cast<std::size_t>(columns + 1) * static_cast<std::size_t>(rows + 1));
  for (int i = 0; i <= columns; ++i)
    for (int j = 0; j <= rows; ++j) cells.push_back(Cell{i, j});
  while (!cells.empty()) {
    if (StopRequested()) return 0;
    const auto at = cells.begin() + Rand() % static_cast<int>(cells.size());
    CopyPart(at->i * b, at->j * b, b, b);
    cells.erase(at);
  }
  RemoveClip();
  return 1;
}

}  // namespace lumi
