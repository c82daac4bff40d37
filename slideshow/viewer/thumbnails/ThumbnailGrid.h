#pragma once
// Where the thumbnail view puts its cells: how many columns and rows, how
// big a cell is, where cell n sits and how far the view scrolls. Free of the
// platform; the view applies it to its window.
namespace lumi {

struct GridRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const GridRect&, const GridRect&) = default;
};

struct ThumbnailGrid {
  // Between cells, and around them (half of it at the view's edges).
  static constexpr int kGap = 8;

  int columns = 1;
  int rows = 2;
  int leftMargin = 0;
  int cellWidth = 0;
  int cellHeight = 0;

  // Height of one row of cells, the scroll unit.
  int LineSize() const { return cellHeight + kGap; }
  // Cell index's rectangle in view coordinates: row by row, left to right.
  GridRect Place(int index) const;
};

// The layout a new view starts with: columns of 80 pixels across the given
// width (at least one), two rows, and cells that fill the client area
// exactly, so every column lies inside the view.
ThumbnailGrid CreationGrid(int width, int clientWidth, int clientHeight);

// Columns, rows and left margin after the view was resized: fixed cells of
// 90 x 89 pixels, as many as fit, the spare width shared on both sides. The
// cell size itself applies only once the view shows a collection.
ThumbnailGrid ResizedGrid(int width, int height);
inline constexpr int kResizedCellWidth = 90;
inline constexpr int kResizedCellHeight = 89;

// The largest scroll position, in rows, for cells in the grid's columns
// with rows per page: ceiling(cells / columns) - rows. Negative or zero when
// everything fits.
int ScrollRangeRows(int cells, int columns, int rows);

}  // namespace lumi
