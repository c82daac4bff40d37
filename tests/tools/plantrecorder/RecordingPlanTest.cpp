#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "tools/plantrecorder/RecordingPlan.h"

namespace gulpleaf::recording {
namespace {

class BlankCanvas final : public SpriteCanvas {
 public:
  int Width() const override { return kScreenWidth; }
  int Height() const override { return kScreenHeight; }
  void Blit(Sheet, int, int, int, int, int, int, RasterOp) override {}
  void Blacken(int, int, int, int) override {}
  void FillBlack(const Rect&) override {}
};

// The scene as the recorder wires it, with the recording's chance sequence.
struct RecordedScene {
  RecordedScene() {
    TKanne::blinkCounter = 0;  // process-wide; each scene starts as a new process would
    TFly::previousX = 0;
    plant.Link(&can, &fly.reentryRequest);
    can.Link(&plant);
  }
  BlankCanvas canvas;
  SilentSound sound;
  NoPause pause;
  LcgRandom random{kSeed};
  ActorWorld world{canvas, sound, random, pause};
  TKanne can{world, false};
  TPflanz plant{world, false};
  TFly fly{world, &plant, false};
  NullCopier screen;
  FrameStep step{can, plant, fly, screen, kScreenHeight};
};

struct Kept {
  KeptFrame frame;
  int canState, plantState;
  bool scared;
};

TEST(Recording, ShowsPourChewAndFrightAtTheSaversSpeedAndEndsCalm) {
  RecordedScene scene;
  Recording recording(scene.step, scene.can, scene.plant, scene.fly);
  std::vector<Kept> kept;
  const Events seen = recording.Run(20000, [&](const KeptFrame& f) {
    kept.push_back({f, scene.can.state, scene.plant.state, scene.plant.scared});
  });
  ASSERT_TRUE(seen.All()) << "pour " << seen.pour << " chew " << seen.chew << " fright "
                          << seen.fright;
  // Short enough for the run command and a GIF of a few megabytes.
  EXPECT_LT(recording.Ticks(), 4000);
  EXPECT_LT(kept.size(), 600u);

  int firstPour = -1, firstChew = -1, firstFright = -1, fastForwarded = 0;
  for (const Kept& k : kept) {
    const bool pour = k.canState == TKanne::Pour;
    const bool chew = k.plantState == TPflanz::Chew;
    const bool fright = k.plantState == TPflanz::Sink && k.scared;
    if (pour && firstPour < 0) firstPour = k.frame.number;
    if (chew && firstChew < 0) firstChew = k.frame.number;
    if (fright && firstFright < 0) firstFright = k.frame.number;
    if (pour || chew || fright) {
      EXPECT_EQ(k.frame.pace.FastForward(), 1) << "frame " << k.frame.number;
    }
    fastForwarded += k.frame.pace.FastForward() > 1;
  }
  // The scene's order: the plant drinks before it hovers, and eats before
  // the fly fetches the big one.
  EXPECT_LT(firstPour, firstChew);
  EXPECT_LT(firstChew, firstFright);
  EXPECT_GT(fastForwarded, 0);
  // The idle start is skipped through, not shown for its twenty seconds.
  EXPECT_GT(kept.front().frame.pace.FastForward(), 1);
  EXPECT_EQ(kept.back().frame.moment, Moment::Waiting);
  EXPECT_EQ(kept.back().plantState, TPflanz::Idle);
  EXPECT_EQ(kept.back().frame.tick, recording.Ticks());
  for (std::size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(kept[i].frame.number, int(i));
}

TEST(Recording, KeepsEveryChangeOfMomentAndNoGapLongerThanItsStride) {
  // Replays the same scene tick by tick beside the recording's choice.
  RecordedScene recorded, replayed;
  Recording recording(recorded.step, recorded.can, recorded.plant, recorded.fly);
  std::map<int, KeptFrame> kept;
  recording.Run(20000, [&](const KeptFrame& f) { kept.emplace(f.tick, f); });

  Moment previous = Moment::Waiting;
  int lastKept = 0;
  for (int tick = 1; tick <= recording.Ticks(); ++tick) {
    replayed.step.Run();
    const Moment m = MomentOf(replayed.can, replayed.plant, replayed.fly);
    const auto found = kept.find(tick);
    if (tick == 1 || m != previous) {
      EXPECT_NE(found, kept.end()) << "the first tick of " << Name(m) << " at " << tick;
    }
    if (found != kept.end()) {
      EXPECT_EQ(found->second.moment, m) << tick;
      lastKept = tick;
    }
    EXPECT_LE(tick - lastKept, PaceOf(m).stride - 1) << Name(m) << " at " << tick;
    previous = m;
  }
}

TEST(Recording, StopsAtTheTickLimitWithTheEventsNotYetSeen) {
  RecordedScene scene;
  Recording recording(scene.step, scene.can, scene.plant, scene.fly);
  int frames = 0;
  // The plant idles for twenty seconds before it may call the can.
  const Events seen = recording.Run(300, [&](const KeptFrame&) { ++frames; });
  EXPECT_FALSE(seen.pour || seen.chew || seen.fright);
  EXPECT_EQ(recording.Ticks(), 300);
  EXPECT_GT(frames, 0);
}

}  // namespace
}  // namespace gulpleaf::recording
