#include "plantsaver/animation/FrameStep.h"

#include <algorithm>
#include <cstdlib>

#include "plantsaver/animation/FramePacing.h"

namespace gulpleaf {

namespace {
constexpr int kHeadW = Info(Sheet::PflanzHead).frameWidth;
constexpr int kHeadH = Info(Sheet::PflanzHead).frameHeight;
constexpr int kFootW = Info(Sheet::PflanzFuss).frameWidth;
constexpr int kFootH = Info(Sheet::PflanzFuss).frameHeight;
constexpr int kFlyW = Info(Sheet::Fly).frameWidth, kFlyH = Info(Sheet::Fly).frameHeight;
constexpr int kBigFlyW = Info(Sheet::FlyBig).frameWidth;
constexpr int kBigFlyH = Info(Sheet::FlyBig).frameHeight;
constexpr int kReentryBaseX = -250;
}  // namespace

Rect Bounding(Point a, Point b, int w, int h) {
  int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
  return Rect{left, top, left + std::abs(a.x - b.x) + w, top + std::abs(a.y - b.y) + h};
}

Rect Bounding(const Rect& a, const Rect& b) {
  // An empty neck rectangle (the plant on the ground) adds nothing; taken
  // literally it would stretch the copy to the screen's top-left corner.
  auto empty = [](const Rect& r) { return r.right <= r.left || r.bottom <= r.top; };
  if (empty(a)) return b;
  if (empty(b)) return a;
  return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

void FrameStep::Run() {
  fly_.Erase();
  plant_.Erase();
  can_.Erase();

  const Point oldHead = plant_.headPosition;
  const Rect oldNeck = plant_.neckRect;
  const Point oldFly = fly_.position;

  // The pouring can is drawn over the plant; otherwise the plant over the can.
  if (can_.state == TKanne::Pour) {
    plant_.Tick();
    can_.Tick();
  } else {
    can_.Tick();
    plant_.Tick();
  }
  fly_.Tick();  // last: the fly flies over everything

  Copy(Bounding(oldHead, plant_.headPosition, kHeadW, kHeadH));
  screen_.Copy(plant_.footPosition.x, plant_.footPosition.y, kFootW, kFootH);
  Copy(Bounding(oldNeck, plant_.neckRect));
  // On the tick of re-entry the fly jumps across the screen; copying the
  // rectangle spanning both places would copy most of the screen for nothing.
  if (fly_.base.x != kReentryBaseX) Copy(Bounding(oldFly, fly_.position, kFlyW, kFlyH));
  if (fly_.bigFlyActive) {
    screen_.Copy(fly_.bigFlyPosition.x, fly_.bigFlyPosition.y, kBigFlyW, kBigFlyH);
  }
  screen_.Copy(can_.position.x, can_.position.y, can_.width, screenHeight_ - can_.position.y);
}

void RunFrames(FrameClock& clock, std::uint32_t speed, const std::function<bool()>& terminated,
               const std::function<void()>& step) {
  while (!terminated()) {
    std::uint32_t deadline = clock.Now() + speed;
    step();
    clock.Sleep(RestAfterStep(deadline, clock.Now(), speed));
  }
}

}  // namespace gulpleaf
