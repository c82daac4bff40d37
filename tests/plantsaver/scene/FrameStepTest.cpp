// The frame step's order and its screen copies, and the frame loop's pacing,
// with the screen and the clock replaced by recorders.
#include <gtest/gtest.h>

#include <vector>

#include "plantsaver/animation/FrameStep.h"

namespace gulpleaf {
namespace {

struct Copy {
  int x, y, w, h;
  friend bool operator==(const Copy&, const Copy&) = default;
};

class RecordingCopier final : public ScreenCopier {
 public:
  void Copy(int x, int y, int w, int h) override { copies.push_back({x, y, w, h}); }
  std::vector<struct Copy> copies;
};

class QuietCanvas final : public SpriteCanvas {
 public:
  QuietCanvas(int w, int h) : w_(w), h_(h) {}
  int Width() const override { return w_; }
  int Height() const override { return h_; }
  void Blit(Sheet, int, int, int, int, int, int, RasterOp) override {}
  void Blacken(int, int, int, int) override {}
  void FillBlack(const Rect&) override {}

 private:
  int w_, h_;
};

class FrameStepTest : public ::testing::Test {
 protected:
  QuietCanvas canvas{1024, 768};
  SilentSound sound;
  NoPause pause;
  LcgRandom random{42};
  ActorWorld world{canvas, sound, random, pause};
  TKanne can{world, false};
  TPflanz plant{world, false};
  TFly fly{world, &plant, false};
  RecordingCopier screen;
  FrameStep step{can, plant, fly, screen, 768};

  void SetUp() override {
    plant.Link(&can, &fly.reentryRequest);
    can.Link(&plant);
  }
};

TEST(Bounding, SpansBothRectanglesOfTheSameSize) {
  EXPECT_EQ(Bounding(Point{10, 20}, Point{4, 30}, 60, 37), (Rect{4, 20, 70, 67}));
  EXPECT_EQ(Bounding(Point{5, 5}, Point{5, 5}, 225, 154), (Rect{5, 5, 230, 159}));
  EXPECT_EQ(Bounding(Rect{0, 0, 10, 10}, Rect{5, -5, 20, 8}), (Rect{0, -5, 20, 10}));
}

TEST(Bounding, AnEmptyNeckAddsNothing) {
  const Rect neck{700, 500, 900, 669};
  EXPECT_EQ(Bounding(Rect{}, neck), neck);
  EXPECT_EQ(Bounding(neck, Rect{}), neck);
  EXPECT_EQ(Bounding(Rect{}, Rect{}), Rect{});
}

TEST_F(FrameStepTest, CopiesHeadFootNeckFlyAndCanInThatOrder) {
  const Point oldHead = plant.headPosition;
  const Point oldFly = fly.position;
  step.Run();
  ASSERT_GE(screen.copies.size(), 5u);
  const SheetInfo& headSheet = Info(Sheet::PflanzHead);
  const SheetInfo& footSheet = Info(Sheet::PflanzFuss);
  const SheetInfo& flySheet = Info(Sheet::Fly);
  Rect head = Bounding(oldHead, plant.headPosition, headSheet.frameWidth, headSheet.frameHeight);
  EXPECT_EQ(screen.copies[0],
            (Copy{head.left, head.top, head.right - head.left, head.bottom - head.top}));
  EXPECT_EQ(screen.copies[1], (Copy{plant.footPosition.x, plant.footPosition.y,
                                    footSheet.frameWidth, footSheet.frameHeight}));
  Rect f = Bounding(oldFly, fly.position, flySheet.frameWidth, flySheet.frameHeight);
  EXPECT_EQ(screen.copies[3], (Copy{f.left, f.top, f.right - f.left, f.bottom - f.top}));
  EXPECT_EQ(screen.copies.back(),
            (Copy{can.position.x, can.position.y, can.width, 768 - can.position.y}));
}

TEST_F(FrameStepTest, TheReentryTickSkipsTheFlyCopy) {
  // Put the fly just past the right edge, in the tick before it starts again.
  fly.base.x = 1100;
  fly.position.x = 1100;
  TFly::previousX = 1100;
  step.Run();
  ASSERT_EQ(fly.base.x, -250) << "the fly re-entered";
  size_t expected = 5 + (fly.bigFlyActive ? 1 : 0);
  EXPECT_EQ(screen.copies.size(), expected - 1);
  for (const Copy& c : screen.copies) EXPECT_LT(c.w, 1024) << "no copy spans the screen";
}

class StepClock final : public FrameClock {
 public:
  std::uint32_t Now() override { return now; }
  void Sleep(std::uint32_t ms) override {
    sleeps.push_back(ms);
    now += ms;
  }
  std::uint32_t now = 5000;
  std::vector<std::uint32_t> sleeps;
};

TEST(RunFrames, PacesFramesByTheirDrawingTime) {
  struct Case {
    std::uint32_t speed, drawMs, period;
  } cases[] = {{100, 30, 100}, {100, 130, 230}, {0, 0, 1}, {50, 50, 51}};
  for (const Case& c : cases) {
    StepClock clock;
    std::vector<std::uint32_t> starts;
    int frames = 0;
    RunFrames(
        clock, c.speed, [&] { return frames == 4; },
        [&] {
          starts.push_back(clock.now);
          clock.now += c.drawMs;
          ++frames;
        });
    ASSERT_EQ(starts.size(), 4u);
    for (size_t i = 1; i < starts.size(); ++i) {
      EXPECT_EQ(starts[i] - starts[i - 1], c.period) << "speed " << c.speed << " draw " << c.drawMs;
    }
  }
}

}  // namespace
}  // namespace gulpleaf
