#include "slideshow/effects/TransitionEffect.h"

#include "slideshow/engine/settings/SaverSettings.h"

namespace lumi {
namespace {

// A memory context with one bitmap selected; the selection is put back
// before the context goes.
class MemoryDc {
 public:
  MemoryDc(HDC compatibleWith, HBITMAP bitmap) : dc_(CreateCompatibleDC(compatibleWith)) {
    if (dc_) old_ = SelectObject(dc_, bitmap);
  }
  ~MemoryDc() {
    if (!dc_) return;
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;

  bool Ok() const { return dc_ && old_ && old_ != HGDI_ERROR; }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

// A display-sized bitmap filled with copies of the picture from the top-left
// corner; the last copies in each direction are cut at the display's edge.
HBITMAP MakeTiledCopy(HDC target, HBITMAP picture, int pictureWidth, int pictureHeight, int width,
                      int height) {
  HBITMAP tiled = CreateCompatibleBitmap(target, width, height);
  if (!tiled) return nullptr;
  bool copied = false;
  {
    MemoryDc from(target, picture);
    MemoryDc to(target, tiled);
    if (from.Ok() && to.Ok()) {
      for (int x = 0; x < width; x += pictureWidth)
        for (int y = 0; y < height; y += pictureHeight)
          BitBlt(to.Get(), x, y, pictureWidth, pictureHeight, from.Get(), 0, 0, SRCCOPY);
      copied = true;
    }
  }
  if (!copied) {
    DeleteObject(tiled);
    return nullptr;
  }
  return tiled;
}

}  // namespace

CTransitionEffect::~CTransitionEffect() { Release(); }

void CTransitionEffect::Release() {
  if (source_) {
    // Restoring the saved state deselects the source bitmap, so the tiled
    // copy is no longer selected when it is deleted.
    if (savedSourceState_ != -1)
      RestoreDC(source_, savedSourceState_);
    else if (oldSourceBitmap_)
      SelectObject(source_, oldSourceBitmap_);
    savedSourceState_ = -1;
    oldSourceBitmap_ = nullptr;
    if (tiled_) DeleteObject(tiled_);
    tiled_ = nullptr;
    DeleteDC(source_);
    source_ = nullptr;
  }
  if (previousPalette_ && target_) {
    // The picture's palette belongs to the picture, which deletes it after
    // the transition; it must not stay selected into the window's context.
    // The previous palette may itself have gone meanwhile (it belonged to an
    // earlier picture); the stock palette then takes its place.
    HPALETTE back = previousPalette_;
    if (GetObjectType(back) != OBJ_PAL)
      back = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    SelectPalette(target_, back, FALSE);
  }
  previousPalette_ = nullptr;
}

bool CTransitionEffect::Prepare(HDC target, const EffectPicture& picture, const RECT& display,
                                bool tile, const std::atomic<bool>* stop) {
  Release();
  target_ = target;
  stop_ = stop;
  speed_ = fixedSpeed_ != 0 ? fixedSpeed_ : GetSaverSettings().GetEffectSpeed();

  BITMAP info{};
  if (!target || !picture.bitmap ||
      GetObjectA(picture.bitmap, sizeof info, &info) != static_cast<int>(sizeof info) ||
      info.bmWidth <= 0 || info.bmHeight <= 0)
    return false;

  source_ = CreateCompatibleDC(target);
  if (!source_) return false;
  const int saved = SaveDC(source_);
  savedSourceState_ = saved != 0 ? saved : -1;

  const int displayWidth = display.right - display.left;
  const int displayHeight = display.bottom - display.top;
  HBITMAP sourceBitmap = picture.bitmap;
  picture_ = picture.placement;
  // An empty display has nothing to tile; the picture is used as it is.
  const bool displaySized = info.bmWidth == displayWidth && info.bmHeight == displayHeight;
  if (tile && !displaySized && displayWidth > 0 && displayHeight > 0) {
    tiled_ = MakeTiledCopy(target, picture.bitmap, info.bmWidth, info.bmHeight, displayWidth,
                           displayHeight);
    if (!tiled_) {
      Release();
      return false;
    }
    sourceBitmap = tiled_;
    picture_ = display;
  }
  const HGDIOBJ old = SelectObject(source_, sourceBitmap);
  if (old && old != HGDI_ERROR) oldSourceBitmap_ = old;
  if (!oldSourceBitmap_) {
    // A bitmap of another device, or one selected elsewhere: nothing to draw from.
    Release();
    return false;
  }
  if (picture.palette) {
    previousPalette_ = SelectPalette(target, picture.palette, FALSE);
    RealizePalette(target);
  }
  display_ = display;
  FillMargins();
  return true;
}

void CTransitionEffect::FillMargins() const {
  const RECT& d = display_;
  const RECT& p = picture_;
  // A picture larger than the display leaves no margin on that side; PatBlt
  // would take a negative extent as a strip on the other side of the edge.
  auto strip = [this](int left, int top, int right, int bottom) {
    if (right > left && bottom > top)
      PatBlt(target_, left, top, right - left, bottom - top, BLACKNESS);
  };
  strip(d.left, d.top, p.left, d.bottom);
  strip(p.right, d.top, d.right, d.bottom);
  strip(d.left, d.top, d.right, p.top);
  strip(d.left, p.bottom, d.right, d.bottom);
}

void CTransitionEffect::CopyPart(int x, int y, int width, int height) const {
  if (!source_) return;
  BitBlt(target_, picture_.left + x, picture_.top + y, width, height, source_, x, y, SRCCOPY);
}

int CTransitionEffect::Draw() {
  if (!Prepared()) return 0;
  CopyPart(0, 0, PictureWidth(), PictureHeight());
  return 1;
}

void CTransitionEffect::FinishCopy() { CopyPart(0, 0, PictureWidth(), PictureHeight()); }

}  // namespace lumi
