#pragma once
// Which ticks of the plant scene a recording keeps and how long each kept
// picture is shown: the scene's events at their own speed (or nearly), the
// waits between them fast-forwarded, and every kept picture says how fast it
// runs. Portable: the pictures themselves are the caller's business.
#include <cstdint>
#include <functional>
#include <string>

#include "plantsaver/animation/Actors.h"
#include "plantsaver/animation/FrameStep.h"

namespace gulpleaf::recording {

// The scene's frame period at the saver's default speed, in centiseconds
// (the unit of an animated GIF's frame delay).
constexpr int kTickCs = 5;

// A chance sequence and a screen with which the plant calls the can within
// half a minute, catches a fly and is fooled into the big fly's way soon
// after; the recording's test checks that it still does.
constexpr std::uint64_t kSeed = 2;
constexpr int kScreenWidth = 1024, kScreenHeight = 768;

// What the scene is busy with on a tick, by the actors' states; the first
// that applies, in this order.
enum class Moment {
  Catching,     // the plant lunges at the fleeing fly and chews it
  Peeking,      // the frightened plant ducks and peeks
  Frightening,  // the fly fetches the big fly, which scares the plant down
  Pouring,      // the can stretches up and pours, the plant drinks
  CanComing,    // the plant calls, the can walks in
  Trumpeting,   // the can toots after a meal
  Settling,     // the can walks back, the plant rises or sinks
  Waiting,      // nothing but the idle or hovering plant and a wandering fly
};
const char* Name(Moment m);
Moment MomentOf(const TKanne& can, const TPflanz& plant, const TFly& fly);

// Every stride-th tick is kept and shown for delayCs.
struct Pace {
  int stride;
  int delayCs;
  // How much faster than the saver this plays: 1 at the saver's own speed.
  int FastForward() const { return stride * kTickCs / delayCs; }
};
Pace PaceOf(Moment m);

// The scene's three events, as the recording sees them.
struct Events {
  bool pour = false;    // the can pouring
  bool chew = false;    // the plant chewing a caught fly
  bool fright = false;  // the plant scared down by the big fly
  bool All() const { return pour && chew && fright; }
};

struct KeptFrame {
  int number;  // 0, 1, ... in the recording
  int tick;    // scene ticks since the start
  Moment moment;
  Pace pace;
};

// One line of the recording's log: the frame, its pace and the actors' states.
std::string LogLine(const KeptFrame& frame, const TKanne& can, const TPflanz& plant,
                    const TFly& fly);

// Runs the scene tick by tick through the saver's own frame step and hands
// the kept ticks to keep(), until the plant has come back up after its
// fright and a short while has passed, or maxTicks have run.
class Recording {
 public:
  Recording(FrameStep& step, const TKanne& can, const TPflanz& plant, const TFly& fly)
      : step_(step), can_(can), plant_(plant), fly_(fly) {}

  // The events seen on kept ticks; all three when the recording is complete.
  Events Run(int maxTicks, const std::function<void(const KeptFrame&)>& keep);
  int Ticks() const { return tick_; }

 private:
  bool Keep(Moment m);

  FrameStep& step_;
  const TKanne& can_;
  const TPflanz& plant_;
  const TFly& fly_;
  int tick_ = 0;
  int lastKept_ = -1;
  Moment lastMoment_ = Moment::Waiting;
};

}  // namespace gulpleaf::recording
