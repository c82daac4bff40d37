// What every one of the fourteen effects must do, whatever its pattern: end
// on the exact picture, keep to the display, stop within a step, and give
// back what it made.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "slideshow/effects/EffectCatalogue.h"
#include "tests/slideshow/effects/EffectTestSupport.h"
#include "tests/support/GdiCount.h"

namespace lumi {
namespace {

using test::Canvas;
using test::PatternPicture;
using test::ScriptedRandom;

// The canvas is larger than the display, so that a stray block shows.
constexpr int kCanvasW = 360, kCanvasH = 280;
constexpr RECT kDisplay{20, 10, 340, 250};  // 320 x 240

struct Placement {
  int width, height, left, top;
  const char* what;
};

// Awkward sizes: smaller than one block, not a multiple of any block, one
// 64-pixel block wide, the whole display, and wider than the display.
const Placement kPlacements[] = {
    {5, 3, 100, 100, "smaller than one block"},
    {203, 157, 38, 40, "no multiple of a block"},
    {64, 200, 150, 30, "one block wide"},
    {320, 240, 20, 10, "the whole display"},
    {400, 100, -20, 90, "wider than the display"},
};

struct EffectRun {
  std::unique_ptr<CTransitionEffect> effect;
  int drawResult = -1;
};

EffectRun RunEffect(int index, int speed, const Placement& p, const PatternPicture& picture,
              Canvas& canvas, std::atomic<bool>& stop, EffectRandom& random,
              test::StopWatcher* watcher) {
  EffectRun run;
  run.effect = CreateEffect(index);
  run.effect->SetSpeed(speed);
  run.effect->SetRandom(random);
  EXPECT_TRUE(run.effect->Prepare(canvas.Dc(), picture.At(p.left, p.top), kDisplay, false, &stop));
  if (watcher) watcher->Attach(*run.effect);
  run.drawResult = run.effect->Draw();
  run.effect->SetWatcher(nullptr);
  if (!stop) run.effect->FinishCopy();
  return run;
}

RECT Intersect(const RECT& a, const RECT& b) {
  RECT r{};
  IntersectRect(&r, &a, &b);
  return r;
}

class EveryEffect : public ::testing::TestWithParam<int> {};

TEST_P(EveryEffect, EndsOnTheExactPictureAndKeepsToTheDisplay) {
  const int index = GetParam();
  for (const Placement& p : kPlacements) {
    PatternPicture picture(p.width, p.height);
    const RECT pictureRect{p.left, p.top, p.left + p.width, p.top + p.height};
    for (int speed = 1; speed <= 3; ++speed) {
      for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(std::string(CreateEffect(index)->GetName()) + ", " + p.what + ", speed " +
                     std::to_string(speed) + ", seed " + std::to_string(seed));
        Canvas canvas(kCanvasW, kCanvasH);
        canvas.Fill(test::kUntouched);
        std::atomic<bool> stop{false};
        ScriptedRandom random(seed);
        EffectRun run = RunEffect(index, speed, p, picture, canvas, stop, random, nullptr);
        EXPECT_EQ(run.drawResult, 1);
        run.effect.reset();
        EXPECT_EQ(test::PictureMismatches(canvas, Intersect(pictureRect, kDisplay), p.left, p.top),
                  0);
        EXPECT_EQ(test::TouchedOutside(canvas, kDisplay), 0);
      }
    }
  }
}

// How many drawing calls an effect may still make once the stop flag is up:
// what is left of the step it is in.
long CallsAllowedAfterStop(const std::string& name) {
  // A falling paint block looks at the flag every 20 pixels of its fall: the
  // stopped position's trail, up to 19 more positions of two calls each, and
  // the three calls that land the block.
  if (name == "Dripping Paint") return 42;
  // A fast hot block wipes its trail after each move.
  if (name == "Hot Blocks") return 1;
  // The sweeps test the flag before every line and every strip. The slides
  // finish the band or strip they scrolled, and the weave the pair of squares
  // it started, so that no scrolled gap or half pair is left behind.
  if (name == "Picture Slide" || name == "Scroll Blocks" || name == "Weave Lines") return 1;
  return 0;
}

TEST_P(EveryEffect, StopsWithinOneStep) {
  const int index = GetParam();
  const Placement p{203, 157, 38, 40, "no multiple of a block"};
  PatternPicture picture(p.width, p.height);
  for (int speed = 1; speed <= 3; ++speed) {
    Canvas canvas(kCanvasW, kCanvasH);
    std::atomic<bool> never{false};
    ScriptedRandom fullRandom(7);
    test::StopWatcher counter(never, LONG_MAX);
    RunEffect(index, speed, p, picture, canvas, never, fullRandom, &counter);
    const long total = counter.calls;
    for (long stopAt : {1L, total / 2}) {
      if (stopAt < 1 || stopAt >= total) continue;
      std::atomic<bool> stop{false};
      ScriptedRandom random(7);
      test::StopWatcher watcher(stop, stopAt);
      EffectRun run = RunEffect(index, speed, p, picture, canvas, stop, random, &watcher);
      SCOPED_TRACE(run.effect->GetName() + ", speed " + std::to_string(speed) + ", stop at " +
                   std::to_string(stopAt) + " of " + std::to_string(total));
      EXPECT_LE(watcher.calls - watcher.callsWhenStopped,
                CallsAllowedAfterStop(run.effect->GetName()));
    }
  }
}

// Takes a copy of the canvas when the effect has made half its calls.
class HalfwaySnapshot : public EffectWatcher {
 public:
  HalfwaySnapshot(const Canvas& canvas, long at) : canvas_(canvas), at_(at) {}
  void AfterDrawing(long calls) override {
    if (taken || calls < at_) return;
    taken = true;
    for (int y = 0; y < canvas_.Height(); ++y)
      for (int x = 0; x < canvas_.Width(); ++x) pixels.push_back(canvas_.At(x, y));
  }
  bool taken = false;
  std::vector<COLORREF> pixels;

 private:
  const Canvas& canvas_;
  long at_;
};

struct DrawTrace {
  long calls = 0;
  std::vector<COLORREF> halfway;
  int touchedByMeasuring = 0;
};

// One Draw of the effect, paced or not, with a snapshot at the given call.
DrawTrace TraceDraw(int index, std::uint32_t seed, bool paced, long snapshotAt) {
  const Placement p{203, 157, 38, 40, ""};
  PatternPicture picture(p.width, p.height);
  Canvas canvas(kCanvasW, kCanvasH);
  canvas.Fill(test::kUntouched);
  ScriptedRandom random(seed);
  std::unique_ptr<CTransitionEffect> effect = CreateEffect(index);
  effect->SetSpeed(2);
  effect->SetRandom(random);
  DrawTrace trace;
  if (!effect->Prepare(canvas.Dc(), picture.At(p.left, p.top), kDisplay, false, nullptr))
    return trace;
  const long afterPrepare = effect->DrawCalls();
  if (paced) {
    effect->PlanPacing(1);
    trace.touchedByMeasuring =
        test::ColourMismatches(canvas, RECT{p.left, p.top, p.left + p.width, p.top + p.height},
                               test::kUntouched) +
        static_cast<int>(effect->DrawCalls() - afterPrepare);
  }
  HalfwaySnapshot halfway(canvas, afterPrepare + snapshotAt);
  effect->SetWatcher(&halfway);
  effect->Draw();
  effect->SetWatcher(nullptr);
  trace.calls = effect->DrawCalls() - afterPrepare;
  trace.halfway = halfway.pixels;
  return trace;
}

// Pacing measures the coming Draw by running it once without drawing; the
// real run must then make the same random choices and the same calls, and
// the measuring run must leave nothing on the screen.
TEST_P(EveryEffect, PacedRunDrawsWhatTheUnpacedRunDraws) {
  const int index = GetParam();
  for (std::uint32_t seed = 1; seed <= 3; ++seed) {
    SCOPED_TRACE(::testing::Message() << CreateEffect(index)->GetName() << ", seed " << seed);
    const long calls = TraceDraw(index, seed, false, LONG_MAX).calls;
    ASSERT_GT(calls, 0);
    const long half = std::max(1L, calls / 2);
    const DrawTrace unpaced = TraceDraw(index, seed, false, half);
    const DrawTrace paced = TraceDraw(index, seed, true, half);
    EXPECT_EQ(paced.touchedByMeasuring, 0);
    EXPECT_EQ(paced.calls, calls);
    ASSERT_FALSE(unpaced.halfway.empty());
    EXPECT_TRUE(paced.halfway == unpaced.halfway) << "the paced run drew something else";
  }
}

TEST_P(EveryEffect, LeavesNoHandlesAndTheTargetAsItWas) {
  const int index = GetParam();
  Canvas canvas(kCanvasW, kCanvasH);
  PatternPicture picture(90, 70);
  const HGDIOBJ brush = GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
  const HGDIOBJ bitmap = GetCurrentObject(canvas.Dc(), OBJ_BITMAP);
  const DWORD before = zebtest::LiveGdiObjects();
  for (int i = 0; i < 12; ++i) {
    std::atomic<bool> stop{false};
    ScriptedRandom random(static_cast<std::uint32_t>(i + 1));
    RunEffect(index, 1 + i % 3, Placement{90, 70, 30 + i, 20 + i, ""}, picture, canvas, stop,
              random, nullptr);
  }
  EXPECT_EQ(zebtest::LiveGdiObjects(), before);
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), brush);
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BITMAP), bitmap);
  // No clipping is left on the target.
  HRGN clip = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(canvas.Dc(), clip), 0);
  DeleteObject(clip);
}

std::string EffectTestName(const ::testing::TestParamInfo<int>& info) {
  std::string name = CreateEffect(info.param)->GetName();
  std::string out;
  for (char c : name)
    if (c != ' ') out += c;
  return out;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryEffect, ::testing::Range(0, kEffectCount),
                         EffectTestName);

}  // namespace
}  // namespace lumi
