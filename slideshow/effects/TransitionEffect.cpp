#include "slideshow/effects/TransitionEffect.h"

#include <algorithm>

#include "common/GdiGuards.h"
#include "slideshow/effects/EffectDrawing.h"
#include "slideshow/engine/settings/SaverSettings.h"

namespace lumi {
namespace {

// A display-sized bitmap filled with copies of the picture from the top-left
// corner; the last copies in each direction are cut at the display's edge.
// Empty when it cannot be made.
zeb::OwnedBitmap MakeTiledCopy(HDC target, HBITMAP picture, int pictureWidth, int pictureHeight,
                               int width, int height) {
  zeb::OwnedBitmap tiled(CreateCompatibleBitmap(target, width, height));
  if (!tiled) return {};
  {
    // Gone before the copy is handed on (or deleted), so it is not selected.
    zeb::MemoryDcGuard from(target);
    zeb::MemoryDcGuard to(target);
    if (!from.Select(picture) || !to.Select(tiled.Get())) return {};
    for (int x = 0; x < width; x += pictureWidth)
      for (int y = 0; y < height; y += pictureHeight)
        BitBlt(to.Get(), x, y, pictureWidth, pictureHeight, from.Get(), 0, 0, SRCCOPY);
  }
  return tiled;
}

}  // namespace

CTransitionEffect::~CTransitionEffect() { Release(); }

void CTransitionEffect::Release() {
  // First the clipping to the display, which was saved after the palette
  // was selected, so the palette is still the picture's here.
  targetState_.reset();
  callerClip_.Reset();
  // The source context puts its own bitmap back before it goes, so the
  // tiled copy is no longer selected when it is deleted.
  source_.Reset();
  tiled_.Reset();
  // The picture's palette belongs to the picture, which deletes it after
  // the transition; it must not stay selected into the window's context.
  picturePalette_.reset();
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

  source_ = zeb::MemoryDcGuard(target);
  if (!source_) return false;

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
    sourceBitmap = tiled_.Get();
    picture_ = display;
  }
  if (!source_.Select(sourceBitmap)) {
    // A bitmap of another device, or one selected elsewhere: nothing to draw from.
    Release();
    return false;
  }
  if (picture.palette) {
    picturePalette_.emplace(target, picture.palette, false);
    RealizePalette(target);
  }
  display_ = display;
  targetState_.emplace(target);
  callerClip_.Reset(CreateRectRgn(0, 0, 0, 0));
  if (callerClip_ && GetClipRgn(target, callerClip_.Get()) != 1) callerClip_.Reset();
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
  BitBlt(target_, targetX, targetY, width, height, source_.Get(), sourceX, sourceY, SRCCOPY);
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
  Drew(DrawBlockLine(target_, source_.Get(), picture_.left, picture_.top, blockSize, x0, y0, x1,
                     y1));
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
  const zeb::OwnedRegion ellipse(CreateEllipticRgn(r.left, r.top, r.right, r.bottom));
  if (!ellipse) return;
  RemoveClip();
  // The context takes a copy of the region.
  ExtSelectClipRgn(target_, ellipse.Get(), RGN_AND);
}

void CTransitionEffect::ExcludeFromClip(const RECT& r) {
  if (target_ && !Planning()) ExcludeClipRect(target_, r.left, r.top, r.right, r.bottom);
}

void CTransitionEffect::RemoveClip() {
  if (!target_ || Planning()) return;
  // The caller's own clipping (none, for a window's context) stays.
  SelectClipRgn(target_, callerClip_.Get());
  IntersectClipRect(target_, display_.left, display_.top, display_.right, display_.bottom);
}

int CTransitionEffect::Draw() {
  if (!Prepared()) return 0;
  CopyPart(0, 0, PictureWidth(), PictureHeight());
  return 1;
}

void CTransitionEffect::FinishCopy() { CopyPart(0, 0, PictureWidth(), PictureHeight()); }

}  // namespace lumi
