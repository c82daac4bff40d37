#include "slideshow/effects/TransitionEffect.h"

#include <algorithm>

#include "common/GdiGuards.h"
#include "slideshow/effects/EffectDrawing.h"
#include "slideshow/engine/settings/SaverSettings.h"

namespace lumi {
namespace {

// A display-sized bitmap filled with copies of the picture from the top-left
// corner; the last copies in each direction are cut at the display's edge.
HBITMAP MakeTiledCopy(HDC target, HBITMAP picture, int pictureWidth, int pictureHeight, int width,
                      int height) {
  HBITMAP tiled = CreateCompatibleBitmap(target, width, height);
  if (!tiled) return nullptr;
  bool copied = false;
  {
    zeb::MemoryDcGuard from(target);
    zeb::MemoryDcGuard to(target);
    if (from.Select(picture) && to.Select(tiled)) {
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
  // First the clipping to the display, which was saved after the palette
  // was selected, so the palette is still the picture's here.
  if (savedTargetState_ != 0 && target_) RestoreDC(target_, savedTargetState_);
  savedTargetState_ = 0;
  if (callerClip_) DeleteObject(callerClip_);
  callerClip_ = nullptr;
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
  savedTargetState_ = SaveDC(target);
  callerClip_ = CreateRectRgn(0, 0, 0, 0);
  if (callerClip_ && GetClipRgn(target, callerClip_) != 1) {
    DeleteObject(callerClip_);
    callerClip_ = nullptr;
  }
  RemoveClip();
  FillMargins();
  return true;
}

void CTransitionEffect::FillMargins() {
  const RECT& d = display_;
  const RECT& p = picture_;
  // A picture larger than the display leaves no margin on that side; PatBlt
  // would take a negative extent as a strip on the other side of the edge.
  auto strip = [this](int left, int top, int right, int bottom) {
    if (right > left && bottom > top) Fill(left, top, right - left, bottom - top, BLACKNESS);
  };
  strip(d.left, d.top, p.left, d.bottom);
  strip(p.right, d.top, d.right, d.bottom);
  strip(d.left, d.top, d.right, p.top);
  strip(d.left, p.bottom, d.right, d.bottom);
}

int CTransitionEffect::ReplayRandom::Next() {
  if (recording) {
    values.push_back(inner->Next());
    return values.back();
  }
  return next < values.size() ? values[next++] : inner->Next();
}

namespace {

class SystemClock final : public EffectClock {
 public:
  std::uint32_t NowMilliseconds() override { return GetTickCount(); }
  void Sleep(int milliseconds) override {
    // What the worker drew so far reaches the screen before it rests.
    GdiFlush();
    ::Sleep(static_cast<DWORD>(milliseconds));
  }
};

}  // namespace

EffectClock& SystemEffectClock() {
  static SystemClock clock;
  return clock;
}

void CTransitionEffect::PlanPacing(int minimumMs, EffectClock& clock) {
  if (!Prepared() || minimumMs <= 0 || plan_ != Plan::None) return;
  replay_.inner = random_;
  replay_.recording = true;
  random_ = &replay_;
  const long before = drawCalls_;
  plan_ = Plan::Measuring;
  Draw();
  plan_ = Plan::Pacing;
  plannedCalls_ = drawCalls_ - before;
  drawCalls_ = before;
  pacedFrom_ = before;
  replay_.recording = false;
  minimumMs_ = minimumMs;
  clock_ = &clock;
  pacingStarted_ = false;
}

void CTransitionEffect::Drew(long calls) {
  drawCalls_ += calls;
  if (plan_ == Plan::Measuring) return;
  if (watcher_ && calls > 0) watcher_->AfterDrawing(drawCalls_);
  if (plan_ == Plan::Pacing) PaceTo(drawCalls_ - pacedFrom_);
}

void CTransitionEffect::PaceTo(long calls) {
  if (plannedCalls_ <= 0 || clock_ == nullptr) return;
  const std::uint32_t now = clock_->NowMilliseconds();
  if (!pacingStarted_) {
    pacingStarted_ = true;
    pacingStart_ = now;
  }
  const long long due =
      static_cast<long long>(minimumMs_) * std::min(calls, plannedCalls_) / plannedCalls_;
  // Unsigned difference: right across the clock's wrap.
  const long long elapsed = static_cast<std::uint32_t>(now - pacingStart_);
  // Waiting only once ahead by a few milliseconds keeps the waits few.
  constexpr long long kSlackMs = 8;
  if (due - elapsed < kSlackMs) return;
  long long left = due - elapsed;
  while (left > 0 && !StopRequested()) {
    const long long slice = std::min(left, 20LL);
    clock_->Sleep(static_cast<int>(slice));
    left -= slice;
  }
}

void CTransitionEffect::Pause(int milliseconds) {
  if (Planning() || milliseconds <= 0) return;
  GdiFlush();
  Sleep(static_cast<DWORD>(milliseconds));
}

void CTransitionEffect::PauseCalibrated(int milliseconds) {
  if (!Planning()) CalibratedDelay(milliseconds);
}

void CTransitionEffect::CopyPart(int x, int y, int width, int height) {
  CopyTo(picture_.left + x, picture_.top + y, width, height, x, y);
}

void CTransitionEffect::CopyTo(int targetX, int targetY, int width, int height, int sourceX,
                               int sourceY) {
  if (!source_) return;
  if (Planning()) return Drew(1);
  BitBlt(target_, targetX, targetY, width, height, source_, sourceX, sourceY, SRCCOPY);
  Drew(1);
}

void CTransitionEffect::Fill(int x, int y, int width, int height, DWORD rop) {
  if (!target_) return;
  if (Planning()) return Drew(1);
  PatBlt(target_, x, y, width, height, rop);
  Drew(1);
}

void CTransitionEffect::Scroll(int dx, int dy, const RECT& area) {
  if (!target_) return;
  if (Planning()) return Drew(1);
  ScrollDC(target_, dx, dy, &area, &area, nullptr, nullptr);
  Drew(1);
}

void CTransitionEffect::DrawLine(int blockSize, int x0, int y0, int x1, int y1) {
  if (!source_) return;
  if (Planning()) return Drew(BlockLineLength(x0, y0, x1, y1));
  Drew(DrawBlockLine(target_, source_, picture_.left, picture_.top, blockSize, x0, y0, x1, y1));
}

void CTransitionEffect::ClipToPicture() {
  if (!target_ || Planning()) return;
  RemoveClip();
  IntersectClipRect(target_, picture_.left, picture_.top, picture_.right, picture_.bottom);
}

void CTransitionEffect::ClipToEllipse(const RECT& r) {
  if (!target_ || Planning()) return;
  // Clip regions are in device units; the saver's contexts keep the identity
  // mapping, so target coordinates serve.
  HRGN ellipse = CreateEllipticRgn(r.left, r.top, r.right, r.bottom);
  if (!ellipse) return;
  RemoveClip();
  ExtSelectClipRgn(target_, ellipse, RGN_AND);
  DeleteObject(ellipse);
}

void CTransitionEffect::ExcludeFromClip(const RECT& r) {
  if (target_ && !Planning()) ExcludeClipRect(target_, r.left, r.top, r.right, r.bottom);
}

void CTransitionEffect::RemoveClip() {
  if (!target_ || Planning()) return;
  // The caller's own clipping (none, for a window's context) stays.
  SelectClipRgn(target_, callerClip_);
  IntersectClipRect(target_, display_.left, display_.top, display_.right, display_.bottom);
}

int CTransitionEffect::Draw() {
  if (!Prepared()) return 0;
  CopyPart(0, 0, PictureWidth(), PictureHeight());
  return 1;
}

void CTransitionEffect::FinishCopy() { CopyPart(0, 0, PictureWidth(), PictureHeight()); }

}  // namespace lumi
