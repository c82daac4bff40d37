#pragma once
// CThumbnailView: the viewer's picture browser. A child window that shows
// every picture of one collection as a cell with its thumbnail and title, in
// rows scrolled vertically. The user selects with the mouse or the keyboard;
// the parent hears of every selection, and a double-click on a picture asks
// it to make that picture the wallpaper. Thumbnails are decoded the first
// time their cell is seen, so a large collection opens at the cost of one
// screenful. Main thread only.
#include <windows.h>

#include <memory>
#include <vector>

#include "common/Window.h"
#include "slideshow/viewer/thumbnails/ThumbnailCell.h"
#include "slideshow/viewer/thumbnails/ThumbnailGrid.h"
#include "slideshow/viewer/thumbnails/ViewScroller.h"

namespace lumi {

class CPictureCollection;
class CPictureInfo;
class ThumbnailLoader;

class CThumbnailView final : public zeb::Window {
 public:
  // Posted to the parent at every selection, also of the cell already
  // selected; wParam is the picture index.
  static constexpr UINT kSelectionMessage = WM_USER + 3;
  // Sent to the parent on a double-click on a cell while a picture is
  // selected (wParam and lParam 0): make it the wallpaper.
  static constexpr UINT kActivateMessage = WM_USER + 1;

  // Thumbnails come from the engine's bound package.
  CThumbnailView();
  // Thumbnails come through loader, which must outlive the view.
  explicit CThumbnailView(ThumbnailLoader& loader);
  ~CThumbnailView() override;

  // The visible child window with a vertical scroll bar, at rect in the
  // parent's client coordinates, with the control id.
  bool Create(HWND parent, int id, const RECT& rect);
  // Handle() comes from zeb::Window.

  // Shows the collection (not owned; null shows nothing) and selects the
  // start index, scrolled to its row, taking the keyboard focus. The same
  // collection again is rebuilt only when forced.
  void SetCollection(CPictureCollection* collection, int start, bool force);
  // The selected picture read from the collection; false without a
  // collection or a selection, or when the picture names neither a picture
  // nor a thumbnail.
  bool GetSelectedPicture(CPictureInfo& info) const;
  // Selects a cell (indexes outside the collection are ignored) and tells
  // the parent.
  void Select(int index);
  // -1 for none.
  int GetSelection() const { return selection_; }
  int GetCount() const { return static_cast<int>(cells_.size()); }

  // Paints the part of the view that lies in area (window coordinates) into
  // dc, decoding the thumbnails of cells seen there for the first time. Used
  // by WM_PAINT, and by whoever wants a picture of the view.
  void Paint(HDC dc, const RECT& area);

  // The layout as it stands, for the dialog and for tests.
  int Columns() const { return grid_.columns; }
  int Rows() const { return grid_.rows; }
  // Cell index's rectangle in view coordinates, where row 0 is at the top
  // whatever the scroll position; empty for no such cell.
  RECT CellRect(int index) const;
  // The cell of picture index, or null.
  const CThumbnailCell* Cell(int index) const;
  const CViewScroller* Scroller() const { return scroller_.get(); }

  // While a drag holds the pointer above or below the view, this timer
  // scrolls it a row at each tick.
  static constexpr UINT_PTR kAutoScrollTimer = 1;
  static constexpr UINT kAutoScrollPeriodMs = 100;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnSize(UINT type, int width, int height);
  void OnPaint();
  void OnLButtonDown(POINT at);
  void OnLButtonUp();
  void OnLButtonDblClk(POINT at);
  void OnRButtonDown(POINT at);
  void OnMouseMove(POINT at);
  void OnTimer(UINT_PTR id);
  void OnFocusChange(bool focused);
  void OnKeyDown(UINT key);

  void DeleteCells();
  void BuildCells(int count);
  void PlaceCells();
  // The cell under a point in window coordinates, or -1.
  int CellAt(POINT windowPoint) const;
  bool IsCellVisible(int index) const;
  void RedrawCell(int index, bool focus);
  void StopAutoScroll();

  std::unique_ptr<ThumbnailLoader> ownLoader_;
  ThumbnailLoader& loader_;
  CPictureCollection* collection_ = nullptr;
  std::vector<std::unique_ptr<CThumbnailCell>> cells_;
  int selection_ = -1;
  int savedRow_ = -1;
  bool hasFocus_ = false;
  ThumbnailGrid grid_;
  int autoScrollDirection_ = 0;
  bool autoScrolling_ = false;
  std::unique_ptr<CViewScroller> scroller_;
};

}  // namespace lumi
