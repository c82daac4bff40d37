#include "slideshow/viewer/thumbnails/ThumbnailGrid.h"

#include <algorithm>

namespace lumi {
namespace {

constexpr int kCreationColumnWidth = 80;
constexpr int kCreationRows = 2;

}  // namespace

GridRect ThumbnailGrid::Place(int index) const {
  const int column = index % columns;
  const int row = index / columns;
  GridRect r;
  r.left = leftMargin + kGap / 2 + column * (cellWidth + kGap);
  r.top = kGap / 2 + row * (cellHeight + kGap);
  r.right = r.left + cellWidth;
  r.bottom = r.top + cellHeight;
  return r;
}

ThumbnailGrid CreationGrid(int width, int clientWidth, int clientHeight) {
  ThumbnailGrid grid;
  grid.columns = std::max(width / kCreationColumnWidth, 1);
  grid.rows = kCreationRows;
  grid.leftMargin = 0;
  grid.cellWidth = clientWidth / grid.columns - ThumbnailGrid::kGap;
  grid.cellHeight = clientHeight / grid.rows - ThumbnailGrid::kGap;
  return grid;
}

ThumbnailGrid ResizedGrid(int width, int height) {
  constexpr int pitchX = ThumbnailGrid::kGap + kResizedCellWidth;
  constexpr int pitchY = ThumbnailGrid::kGap + kResizedCellHeight;
  ThumbnailGrid grid;
  grid.columns = std::max(width / pitchX, 1);
  grid.leftMargin = (width % pitchX) / 2;
  grid.rows = std::max(height / pitchY, 1);
  grid.cellWidth = kResizedCellWidth;
  grid.cellHeight = kResizedCellHeight;
  return grid;
}

int ScrollRangeRows(int cells, int columns, int rows) {
  const int filledRows = (std::max(cells, 0) + columns - 1) / columns;
  return filledRows - rows;
}

}  // namespace lumi
