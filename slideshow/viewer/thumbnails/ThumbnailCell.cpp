#include "slideshow/viewer/thumbnails/ThumbnailCell.h"

#include "slideshow/engine/collection/PictureInfo.h"
#include "slideshow/engine/pipeline/FitGeometry.h"
#include "slideshow/viewer/thumbnails/Frame3d.h"
#include "slideshow/viewer/thumbnails/ThumbnailLoader.h"

namespace lumi {
namespace {

constexpr int kTitleInset = 8;
constexpr int kTitleGap = 2;
constexpr int kTitleBottomInset = 3;
constexpr int kCrossInset = 3;
constexpr int kFocusInset = 4;
constexpr int kRemovedPenWidth = 3;
constexpr COLORREF kRemovedColour = RGB(255, 0, 0);

// The room a title line takes under the image box: a line of the display's
// default font, plus a little air. The font does not change while the
// program runs, so it is measured once.
int TitleHeight() {
  static const int height = [] {
    zeb::WindowDcGuard desktop(GetDesktopWindow());
    TEXTMETRICA metrics{};
    if (!desktop || !GetTextMetricsA(desktop.Get(), &metrics)) return 3;
    return static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading) + 3;
  }();
  return height;
}

RECT Shifted(RECT r, int by) {
  OffsetRect(&r, by, by);
  return r;
}

RECT Grown(RECT r, int by) {
  InflateRect(&r, by, by);
  return r;
}

void Diagonals(HDC dc, const RECT& r) {
  MoveToEx(dc, r.left, r.top, nullptr);
  LineTo(dc, r.right, r.bottom);
  MoveToEx(dc, r.right, r.top, nullptr);
  LineTo(dc, r.left, r.bottom);
}

}  // namespace

HFONT ThumbnailCaptionFont() {
  static const HFONT font =
      CreateFontA(-9, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Times New Roman");
  return font;
}

CThumbnailCell::CThumbnailCell(const CPictureInfo& picture, int index, const RECT& rect)
    : rect_(rect),
      title_(picture.GetTitle()),
      imageRef_(picture.GetImageRef()),
      thumbRef_(picture.GetThumbRef()),
      index_(index) {
  ThumbnailCaptionFont();
  Layout();
}

void CThumbnailCell::SetRect(const RECT& rect) {
  rect_ = rect;
  Layout();
}

// The image box is centred across the cell, and centred down the part of it
// above the title line.
void CThumbnailCell::Layout() {
  const int textHeight = TitleHeight();
  imageBox_.left = rect_.left + (rect_.right - rect_.left - kImageBoxWidth) / 2;
  imageBox_.right = imageBox_.left + kImageBoxWidth;
  imageBox_.top = rect_.top + ((rect_.bottom - textHeight) - rect_.top - kImageBoxHeight) / 2;
  imageBox_.bottom = imageBox_.top + kImageBoxHeight;
}

bool CThumbnailCell::LoadThumbnail(ThumbnailLoader& loader, HPALETTE palette) {
  SIZE size{};
  HBITMAP bitmap = loader.Load(thumbRef_, palette, size);
  if (bitmap == nullptr) return false;
  thumbnail_.Reset(bitmap);
  thumbWidth_ = size.cx;
  thumbHeight_ = size.cy;
  Layout();
  return true;
}

void CThumbnailCell::Draw(HDC dc, bool focus) const {
  zeb::DcStateGuard state(dc);
  if (!IsLoaded()) {
    DrawCrossedBox(dc);
    return;
  }
  const int pressed = selected_ ? 1 : 0;
  const RECT box = Shifted(imageBox_, pressed);
  DrawThumbnail(dc, box);
  {
    // The cell's face goes around the picture, never over it.
    zeb::DcStateGuard clipped(dc);
    const RECT hole = Grown(box, 1);
    ExcludeClipRect(dc, hole.left, hole.top, hole.right, hole.bottom);
    FillRect(dc, &rect_, GetSysColorBrush(selected_ ? COLOR_HIGHLIGHT : COLOR_BTNFACE));

    // A black outline with its corner pixels left out, which rounds the cell.
    const int width = rect_.right - rect_.left;
    const int height = rect_.bottom - rect_.top;
    zeb::SelectionGuard black(dc, GetStockObject(BLACK_BRUSH));
    PatBlt(dc, rect_.left + 1, rect_.top, width - 2, 1, PATCOPY);
    PatBlt(dc, rect_.left + 1, rect_.bottom - 1, width - 2, 1, PATCOPY);
    PatBlt(dc, rect_.left, rect_.top + 1, 1, height - 2, PATCOPY);
    PatBlt(dc, rect_.right - 1, rect_.top + 1, 1, height - 2, PATCOPY);
    DrawFrame3d(dc, Grown(rect_, -1), selected_);
  }
  DrawFrame3d(dc, Grown(box, 1), true);

  RECT title{rect_.left + kTitleInset, imageBox_.bottom + kTitleGap, rect_.right - kTitleInset,
             rect_.bottom - kTitleBottomInset};
  title = Shifted(title, pressed);
  {
    zeb::SelectionGuard font(dc, ThumbnailCaptionFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected_ ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT));
    DrawTextA(dc, title_.c_str(), -1, &title, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
  }

  if (removed_) {
    // Left out of the slideshow, but still there to be chosen.
    zeb::GdiObjectGuard pen(CreatePen(PS_SOLID, kRemovedPenWidth, kRemovedColour));
    zeb::SelectionGuard selectedPen(dc, pen.Get());
    Diagonals(dc, Grown(imageBox_, 2));
  }
  if (focus && selected_) {
    const RECT focusRect = Grown(rect_, -kFocusInset);
    DrawFocusRect(dc, &focusRect);
  }
}

void CThumbnailCell::DrawCrossedBox(HDC dc) const {
  const RECT box = Grown(imageBox_, -kCrossInset);
  zeb::SelectionGuard hollow(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, box.left, box.top, box.right, box.bottom);
  Diagonals(dc, box);
}

// The thumbnail at its own size, placed where the fitted picture would sit
// in the box, and kept inside the box: a thumbnail taller than the box (one
// of an upright photo) would otherwise run over the title, the gap and the
// cell below, which nothing paints over again.
void CThumbnailCell::DrawThumbnail(HDC dc, const RECT& box) const {
  FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
  const FitRect area{box.left, box.top, box.right, box.bottom};
  const FitSize picture{thumbWidth_, thumbHeight_};
  const FitRect at = CentreIn(ScaleToFit(picture, area), area);
  zeb::MemoryDcGuard memory(dc);
  if (!memory || !memory.Select(thumbnail_.Get())) return;
  zeb::DcStateGuard clipped(dc);
  IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
  BitBlt(dc, at.left, at.top, thumbWidth_, thumbHeight_, memory.Get(), 0, 0, SRCCOPY);
}

}  // namespace lumi
