#include "slideshow/viewer/thumbnails/ThumbnailView.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>

#include "common/GdiGuards.h"
#include "slideshow/engine/EngineApp.h"
#include "slideshow/engine/collection/PictureCollection.h"
#include "slideshow/engine/collection/PictureInfo.h"
#include "slideshow/engine/pipeline/SharedPalette.h"
#include "slideshow/viewer/thumbnails/ThumbnailLoader.h"

namespace lumi {
namespace {

constexpr char kClassName[] = "LumishowThumbnailView";

RECT ToRect(const GridRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

bool Meets(const RECT& a, const RECT& b) {
  RECT common;
  return IntersectRect(&common, &a, &b) != FALSE;
}

// A context of the view that draws in view coordinates with the shared
// palette realised; everything is given back in order when it goes.
class ViewDc {
 public:
  ViewDc(HWND window, const CViewScroller& scroller)
      : dc_(window), state_(dc_.Get()), palette_(dc_.Get(), GetSharedPalette(), false) {
    if (!dc_) return;
    scroller.PrepareDc(dc_.Get());
    if (GetSharedPalette() != nullptr) RealizePalette(dc_.Get());
  }
  HDC Get() const { return dc_.Get(); }

 private:
  zeb::WindowDcGuard dc_;
  zeb::DcStateGuard state_;
  zeb::PaletteGuard palette_;
};

// Where a key moves the selection, and how many rows the view scrolls when
// the new cell is out of sight.
struct KeyMove {
  int target;
  int step;
};

std::optional<KeyMove> MoveFor(UINT key, int s, const ThumbnailGrid& grid) {
  const int page = grid.rows * grid.columns;
  switch (key) {
    case VK_SPACE:
      return KeyMove{s, 0};
    case VK_PRIOR:
      return KeyMove{s - page, -grid.rows};
    case VK_NEXT:
      return KeyMove{s + page, grid.rows};
    case VK_UP:
      return KeyMove{s - grid.columns, -1};
    case VK_DOWN:
      return KeyMove{s + grid.columns, 1};
    case VK_LEFT:
      return KeyMove{s - 1, -1};
    case VK_RIGHT:
      return KeyMove{s + 1, 1};
    default:
      return std::nullopt;
  }
}

}  // namespace

CThumbnailView::CThumbnailView()
    : ownLoader_(std::make_unique<PackageThumbnailLoader>(&CEngineApp::Instance())),
      loader_(*ownLoader_) {}

CThumbnailView::CThumbnailView(ThumbnailLoader& loader) : loader_(loader) {}

CThumbnailView::~CThumbnailView() {
  // The window goes first, so that no message reaches a half-destroyed view.
  if (hwnd_ != nullptr && IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
  }
}

bool CThumbnailView::Create(HWND parent, int id, const RECT& rect) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;  // double-clicks ask for the wallpaper
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassOnce(wc);

  DeleteCells();
  collection_ = nullptr;
  selection_ = -1;
  savedRow_ = -1;
  hasFocus_ = false;
  scroller_.reset();
  if (!CreateBound(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, rect.left, rect.top,
                   rect.right - rect.left, rect.bottom - rect.top, parent, instance)) {
    return false;
  }
  SetWindowLongPtrA(hwnd_, GWLP_ID, id);

  scroller_ = std::make_unique<CViewScroller>(hwnd_);
  RECT client{};
  GetClientRect(hwnd_, &client);
  grid_ = CreationGrid(rect.right - rect.left, client.right, client.bottom);
  scroller_->SetLineSize(grid_.LineSize());
  scroller_->SetRange(0);  // an empty view has nothing to scroll
  return true;
}

LRESULT CThumbnailView::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (scroller_) scroller_->OnScroll(LOWORD(wParam));
      return 0;
    case WM_LBUTTONDOWN:
      OnLButtonDown(at);
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp();
      return 0;
    case WM_LBUTTONDBLCLK:
      OnLButtonDblClk(at);
      return 0;
    case WM_RBUTTONDOWN:
      OnRButtonDown(at);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(at);
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_SETFOCUS:
      OnFocusChange(true);
      return 0;
    case WM_KILLFOCUS:
      OnFocusChange(false);
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(static_cast<UINT>(wParam));
      return 0;
    default:
      return Window::HandleMessage(msg, wParam, lParam);
  }
}

void CThumbnailView::OnSize(UINT type, int width, int height) {
  // Also sent while the window is being made, before the scroller exists;
  // the creation layout follows then.
  if (type != SIZE_MINIMIZED && scroller_) scroller_->Refresh();
  InvalidateRect(hwnd_, nullptr, FALSE);
  const ThumbnailGrid resized = ResizedGrid(width, height);
  grid_.columns = resized.columns;
  grid_.rows = resized.rows;
  grid_.leftMargin = resized.leftMargin;
  if (collection_ == nullptr || !scroller_) return;

  grid_.cellWidth = resized.cellWidth;
  grid_.cellHeight = resized.cellHeight;
  scroller_->SetLineSize(grid_.LineSize());
  // The resized layout counts one cell more than the pictures, so a count
  // that fills its last row exactly leaves one more row to scroll to.
  scroller_->SetRange(ScrollRangeRows(GetCount() + 1, grid_.columns, grid_.rows));
  PlaceCells();
  InvalidateRect(hwnd_, nullptr, FALSE);
  if (selection_ >= 0) RedrawCell(selection_, hasFocus_);
}

void CThumbnailView::PlaceCells() {
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    cells_[i]->SetRect(ToRect(grid_.Place(static_cast<int>(i))));
  }
}

void CThumbnailView::OnPaint() {
  zeb::PaintDcGuard paint(hwnd_);
  if (paint.Get() != nullptr && scroller_) Paint(paint.Get(), paint.Area());
}

void CThumbnailView::Paint(HDC dc, const RECT& area) {
  if (!scroller_) return;
  zeb::DcStateGuard state(dc);
  scroller_->PrepareDc(dc);
  const RECT viewArea = scroller_->ToView(area);
  FillRect(dc, &viewArea, GetSysColorBrush(COLOR_BTNFACE));
  HPALETTE palette = GetSharedPalette();
  zeb::PaletteGuard selected(dc, palette, false);
  if (palette != nullptr) RealizePalette(dc);
  for (const auto& cell : cells_) {
    if (!Meets(cell->Rect(), viewArea)) continue;
    if (!cell->IsLoaded()) cell->LoadThumbnail(loader_, palette);
    cell->Draw(dc, hasFocus_);
  }
}

void CThumbnailView::DeleteCells() {
  if (hwnd_ != nullptr && scroller_) {
    for (const auto& cell : cells_) {
      const RECT shown = scroller_->ToWindow(cell->Rect());
      InvalidateRect(hwnd_, &shown, FALSE);
    }
  }
  cells_.clear();
}

void CThumbnailView::SetCollection(CPictureCollection* collection, int start, bool force) {
  if (!scroller_) return;
  // Asked again for what it shows, the view keeps its cells and selection.
  if (collection == collection_ && !force) return;
  DeleteCells();
  collection_ = collection;
  selection_ = -1;
  savedRow_ = -1;
  scroller_->ScrollTo(0);

  const int count = collection_ != nullptr ? std::max(collection_->GetPictureCount(), 0) : 0;
  scroller_->SetRange(ScrollRangeRows(count, grid_.columns, grid_.rows));
  scroller_->ScrollTo(start >= 0 ? start / grid_.columns : 0);
  BuildCells(count);
  if (!cells_.empty()) {
    Select(std::max(start, 0));
    SetFocus(hwnd_);
  }
}

// Cells in sight decode their thumbnails now and are drawn and validated at
// once, so that the paint that follows leaves them alone; the others decode
// when a paint first reaches them.
void CThumbnailView::BuildCells(int count) {
  HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  ViewDc dc(hwnd_, *scroller_);
  RECT client{};
  GetClientRect(hwnd_, &client);
  const RECT inSight = scroller_->ToView(client);
  HPALETTE palette = GetSharedPalette();

  cells_.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    CPictureInfo picture;
    collection_->LoadPicture(picture, i);
    const RECT rect = ToRect(grid_.Place(i));
    auto cell = std::make_unique<CThumbnailCell>(picture, i, rect);
    const bool visible = Meets(rect, inSight);
    if (visible) cell->LoadThumbnail(loader_, palette);
    cell->SetRemoved(collection_->IsRemoved(i));
    if (visible && dc.Get() != nullptr) {
      cell->Draw(dc.Get(), false);
      const RECT drawn = scroller_->ToWindow(rect);
      ValidateRect(hwnd_, &drawn);
    }
    cells_.push_back(std::move(cell));
  }
  SetCursor(previous);
}

bool CThumbnailView::GetSelectedPicture(CPictureInfo& info) const {
  if (collection_ == nullptr || selection_ < 0 || selection_ >= GetCount()) return false;
  return collection_->LoadPicture(info, selection_);
}

void CThumbnailView::Select(int index) {
  if (index < 0 || index >= GetCount()) return;
  PostMessageA(GetParent(hwnd_), kSelectionMessage, static_cast<WPARAM>(index), 0);
  ViewDc dc(hwnd_, *scroller_);
  if (index != selection_) {
    if (selection_ >= 0) {
      cells_[static_cast<std::size_t>(selection_)]->SetSelected(false);
      if (dc.Get() != nullptr) cells_[static_cast<std::size_t>(selection_)]->Draw(dc.Get(), false);
    }
    cells_[static_cast<std::size_t>(index)]->SetSelected(true);
    if (dc.Get() != nullptr) cells_[static_cast<std::size_t>(index)]->Draw(dc.Get(), hasFocus_);
    selection_ = index;
    savedRow_ = scroller_->Position();
  } else if (dc.Get() != nullptr) {
    cells_[static_cast<std::size_t>(index)]->Draw(dc.Get(), hasFocus_);
  }
}

void CThumbnailView::RedrawCell(int index, bool focus) {
  if (index < 0 || index >= GetCount() || !scroller_) return;
  ViewDc dc(hwnd_, *scroller_);
  if (dc.Get() != nullptr) cells_[static_cast<std::size_t>(index)]->Draw(dc.Get(), focus);
}

int CThumbnailView::CellAt(POINT windowPoint) const {
  if (!scroller_) return -1;
  const POINT at = scroller_->ToView(windowPoint);
  for (const auto& cell : cells_) {
    if (PtInRect(&cell->Rect(), at)) return cell->Index();
  }
  return -1;
}

bool CThumbnailView::IsCellVisible(int index) const {
  if (index < 0 || index >= GetCount() || !scroller_) return false;
  RECT client{};
  GetClientRect(hwnd_, &client);
  return Meets(cells_[static_cast<std::size_t>(index)]->Rect(), scroller_->ToView(client));
}

RECT CThumbnailView::CellRect(int index) const {
  const CThumbnailCell* cell = Cell(index);
  return cell != nullptr ? cell->Rect() : RECT{};
}

const CThumbnailCell* CThumbnailView::Cell(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return cells_[static_cast<std::size_t>(index)].get();
}

void CThumbnailView::OnLButtonDown(POINT at) {
  SetCapture(hwnd_);
  SetFocus(hwnd_);
  const int hit = CellAt(at);
  if (hit >= 0) Select(hit);
}

void CThumbnailView::OnLButtonUp() {
  if (GetCapture() != hwnd_) return;
  ReleaseCapture();
  StopAutoScroll();
}

void CThumbnailView::OnLButtonDblClk(POINT at) {
  if (selection_ >= 0 && CellAt(at) >= 0) SendMessageA(GetParent(hwnd_), kActivateMessage, 0, 0);
}

// The right button selects like the left one, as a click.
void CThumbnailView::OnRButtonDown(POINT at) {
  OnLButtonDown(at);
  OnLButtonUp();
}

// Dragging past the top or bottom edge scrolls that way; the selection
// stays where the button went down.
void CThumbnailView::OnMouseMove(POINT at) {
  if (GetCapture() != hwnd_) return;
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (at.y >= client.bottom) {
    autoScrollDirection_ = 1;
  } else if (at.y < client.top) {
    autoScrollDirection_ = -1;
  } else {
    autoScrollDirection_ = 0;
    if (autoScrolling_) StopAutoScroll();
  }
  if (autoScrollDirection_ != 0 && !autoScrolling_ && at.x >= client.left && at.x < client.right) {
    SetTimer(hwnd_, kAutoScrollTimer, kAutoScrollPeriodMs, nullptr);
    autoScrolling_ = true;
  }
}

void CThumbnailView::OnTimer(UINT_PTR id) {
  if (id != kAutoScrollTimer) return;
  if (GetCapture() != hwnd_ || !autoScrolling_) {
    // The drag ended somewhere the view did not hear of.
    StopAutoScroll();
    return;
  }
  scroller_->ScrollTo(scroller_->Position() + autoScrollDirection_);
}

void CThumbnailView::StopAutoScroll() {
  KillTimer(hwnd_, kAutoScrollTimer);
  autoScrolling_ = false;
}

void CThumbnailView::OnFocusChange(bool focused) {
  hasFocus_ = focused;
  if (selection_ >= 0) RedrawCell(selection_, hasFocus_);
}

void CThumbnailView::OnKeyDown(UINT key) {
  if (cells_.empty() || !scroller_) return;
  // Keys act where the selection is: back to it if the view was scrolled away.
  if (savedRow_ >= 0 && selection_ >= 0 && !IsCellVisible(selection_)) {
    scroller_->ScrollTo(savedRow_);
  }
  const std::optional<KeyMove> move = MoveFor(key, selection_, grid_);
  if (!move) return;
  const int target = std::clamp(move->target, 0, GetCount() - 1);
  if (target == selection_) return;
  Select(target);
  if (IsCellVisible(target)) return;
  scroller_->ScrollTo(scroller_->Position() + move->step);
}

}  // namespace lumi
