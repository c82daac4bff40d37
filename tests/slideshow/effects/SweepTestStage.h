#pragma once
// A stage for the sweep and slide effects' own tests: a picture placed on a
// canvas with black margins around it, the effect prepared with its random
// choices forced, and ways to stop it part way and read back what it drew.
// Positions given to the checks are relative to the picture's corner.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <memory>

#include "slideshow/effects/EffectCatalogue.h"
#include "tests/slideshow/effects/EffectTestSupport.h"

namespace lumi::test {

// The old picture on screen before the transition; its blue differs from
// every pixel of the new one.
inline COLORREF OldAt(int x, int y) { return RGB((x * 5) % 256, (y * 3) % 256, 0x10); }

class SweepStage {
 public:
  static constexpr int kLeft = 8, kTop = 6;

  SweepStage(int index, int speed, int width, int height, std::initializer_list<int> randoms,
             bool oldPicture = false)
      : canvas_(width + 2 * kLeft, height + 2 * kTop), picture_(width, height) {
    canvas_.Fill(kUntouched);
    if (oldPicture) PaintOld(width, height);
    random_.Queue(randoms);
    effect_ = CreateEffect(index);
    effect_->SetSpeed(speed);
    effect_->SetRandom(random_);
    prepared_ =
        effect_->Prepare(canvas_.Dc(), picture_.At(kLeft, kTop), canvas_.Rect(), false, &stop_);
    base_ = effect_->DrawCalls();
  }

  bool Prepared() const { return prepared_; }
  int Draw() { return effect_->Draw(); }
  // Draws until the stop flag goes up after the given number of drawing
  // calls, or of watcher notices (one per line of blocks) when lines is set.
  int DrawStoppingAfter(long count, bool lines = false) {
    Stopper stopper(stop_, count, lines);
    stopper.base = effect_->DrawCalls();
    effect_->SetWatcher(&stopper);
    const int result = effect_->Draw();
    effect_->SetWatcher(nullptr);
    return result;
  }
  void FinishCopy() { effect_->FinishCopy(); }
  // Drawing calls since Prepare.
  long Calls() const { return effect_->DrawCalls() - base_; }
  CTransitionEffect& Effect() { return *effect_; }
  const Canvas& Screen() const { return canvas_; }

  // Whether every pixel of r shows the new picture's pixel (x + dx, y + dy).
  bool ShowsNew(const RECT& r, int dx = 0, int dy = 0) const {
    return Count(r, [&](int x, int y, COLORREF c) { return c != PatternAt(x + dx, y + dy); }) == 0;
  }
  // Whether every pixel of r shows the old picture's pixel (x + dx, y + dy).
  bool ShowsOld(const RECT& r, int dx = 0, int dy = 0) const {
    return Count(r, [&](int x, int y, COLORREF c) { return c != OldAt(x + dx, y + dy); }) == 0;
  }
  bool Untouched(const RECT& r) const {
    return Count(r, [](int, int, COLORREF c) { return c != kUntouched; }) == 0;
  }
  // The new picture exactly, everywhere in it.
  bool ShowsWholePicture() const {
    return ShowsNew(RECT{0, 0, picture_.Width(), picture_.Height()});
  }
  // Whether the margins around the picture are still all black.
  bool MarginsBlack() const {
    int wrong = 0;
    for (int y = 0; y < canvas_.Height(); ++y)
      for (int x = 0; x < canvas_.Width(); ++x) {
        const bool inside =
            x >= kLeft && x < kLeft + picture_.Width() && y >= kTop && y < kTop + picture_.Height();
        if (!inside && canvas_.At(x, y) != RGB(0, 0, 0)) ++wrong;
      }
    return wrong == 0;
  }

 private:
  class Stopper : public EffectWatcher {
   public:
    Stopper(std::atomic<bool>& stop, long count, bool lines)
        : stop_(stop), count_(count), lines_(lines) {}
    void AfterDrawing(long total) override {
      ++notices_;
      if ((lines_ ? notices_ : total - base) >= count_) stop_ = true;
    }
    long base = 0;

   private:
    std::atomic<bool>& stop_;
    long count_;
    bool lines_;
    long notices_ = 0;
  };

  template <typename Wrong>
  int Count(const RECT& r, Wrong wrong) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (wrong(x, y, canvas_.At(kLeft + x, kTop + y))) ++n;
    return n;
  }

  void PaintOld(int width, int height) {
    std::uint32_t* pixels = nullptr;
    HBITMAP old = CreateTopDownDib(width, height, &pixels);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const COLORREF c = OldAt(x, y);
        pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
      }
    HDC dc = CreateCompatibleDC(canvas_.Dc());
    const HGDIOBJ previous = SelectObject(dc, old);
    BitBlt(canvas_.Dc(), kLeft, kTop, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(old);
  }

  Canvas canvas_;
  PatternPicture picture_;
  ScriptedRandom random_;
  std::atomic<bool> stop_{false};
  std::unique_ptr<CTransitionEffect> effect_;
  bool prepared_ = false;
  long base_ = 0;
};

}  // namespace lumi::test
