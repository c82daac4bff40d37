#pragma once
// One frame of the scene: erase the actors' old images in the back buffer,
// tick them in the order the scene's overlaps need, and copy only the
// changed rectangles to the screen. Portable: the screen is a seam.
#include <cstdint>
#include <functional>

#include "plantsaver/animation/Actors.h"

namespace gulpleaf {

// Copies a rectangle of the back buffer to the same place on the screen.
class ScreenCopier {
 public:
  virtual ~ScreenCopier() = default;
  virtual void Copy(int x, int y, int w, int h) = 0;
};

// Copies nothing: for steps that must not reach the screen.
class NullCopier final : public ScreenCopier {
 public:
  void Copy(int, int, int, int) override {}
};

// The bounding rectangle of two equally sized rectangles at a and b.
Rect Bounding(Point a, Point b, int w, int h);
Rect Bounding(const Rect& a, const Rect& b);

class FrameStep {
 public:
  FrameStep(TKanne& can, TPflanz& plant, TFly& fly, ScreenCopier& screen, int screenHeight)
      : can_(can), plant_(plant), fly_(fly), screen_(screen), screenHeight_(screenHeight) {}
  void Run();

 private:
  void Copy(const Rect& r) { screen_.Copy(r.left, r.top, r.right - r.left, r.bottom - r.top); }

  TKanne& can_;
  TPflanz& plant_;
  TFly& fly_;
  ScreenCopier& screen_;
  int screenHeight_;
};

// The animation thread's clock: the millisecond timer and the sleep.
class FrameClock {
 public:
  virtual ~FrameClock() = default;
  virtual std::uint32_t Now() = 0;
  virtual void Sleep(std::uint32_t ms) = 0;
};

// Runs frames until terminated() says stop: each frame hands step() over and
// then sleeps out the rest of the period (see RestAfterStep).
void RunFrames(FrameClock& clock, std::uint32_t speed, const std::function<bool()>& terminated,
               const std::function<void()>& step);

}  // namespace gulpleaf
