#pragma once
// What the effect tests share: a picture whose every pixel says where it is,
// a random source the test controls, a watcher that can pull the stop flag,
// and the checks every transition must pass.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>

#include "slideshow/effects/TransitionEffect.h"
#include "tests/support/slideshow/Canvas.h"

namespace lumi::test {

// The colour of the new picture's pixel (x, y); distinct from black and from
// the canvas's untouched colour.
COLORREF PatternAt(int x, int y);
inline constexpr COLORREF kUntouched = RGB(0, 255, 0);

// A 32-bit picture of the pattern.
class PatternPicture {
 public:
  PatternPicture(int width, int height);
  ~PatternPicture();
  PatternPicture(const PatternPicture&) = delete;
  PatternPicture& operator=(const PatternPicture&) = delete;

  EffectPicture At(int left, int top) const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_, height_;
  HBITMAP bitmap_;
};

// Gives the queued values first, then a fixed pseudo-random sequence from
// the seed, each in 0 .. 32767.
class ScriptedRandom : public EffectRandom {
 public:
  explicit ScriptedRandom(std::uint32_t seed = 1) : state_(seed) {}
  void Queue(std::initializer_list<int> values) { queued_.insert(queued_.end(), values); }
  void Seed(unsigned seed) override { seeds.push_back(seed); }
  int Next() override;
  std::deque<unsigned> seeds;

 private:
  std::uint32_t state_;
  std::deque<int> queued_;
};

// Counts the drawing calls from the moment it is attached (after Prepare,
// whose margins count too) and sets the stop flag at the given call.
class StopWatcher : public EffectWatcher {
 public:
  StopWatcher(std::atomic<bool>& stop, long stopAt) : stop_(stop), stopAt_(stopAt) {}
  void Attach(CTransitionEffect& effect) {
    base_ = effect.DrawCalls();
    effect.SetWatcher(this);
  }
  void AfterDrawing(long total) override;
  long calls = 0;
  long callsWhenStopped = -1;

 private:
  std::atomic<bool>& stop_;
  long stopAt_;
  long base_ = 0;
};

// Pixels of r that differ from the picture placed with its corner at (left, top).
int PictureMismatches(const Canvas& canvas, const RECT& r, int left, int top);
// Pixels of the canvas outside inside that are not kUntouched.
int TouchedOutside(const Canvas& canvas, const RECT& inside);
// Pixels of r that are not colour.
int ColourMismatches(const Canvas& canvas, const RECT& r, COLORREF colour);

}  // namespace lumi::test
