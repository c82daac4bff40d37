#include "tools/plantrecorder/RecordingPlan.h"

#include <cstdio>

namespace gulpleaf::recording {

namespace {

const char* CanStateName(int s) {
  static constexpr const char* kNames[] = {"?", "Walk", "Stand", "Lift", "Pour", "Trumpet"};
  return s >= TKanne::Walk && s <= TKanne::Trumpet ? kNames[s] : "?";
}

const char* PlantStateName(int s) {
  static constexpr const char* kNames[] = {"?",     "Rise",  "Sink", "Idle", "Hover",
                                           "Lunge", "Drink", "Call", "Chew", "Peek"};
  return s >= TPflanz::Rise && s <= TPflanz::Peek ? kNames[s] : "?";
}

const char* FlyStateName(int s) {
  static constexpr const char* kNames[] = {"?", "Wander", "Flee", "Summon", "Wait"};
  return s >= TFly::Wander && s <= TFly::Wait ? kNames[s] : "?";
}

// Kept at the end once the scene has calmed down, so that the recording
// does not stop in the middle of a movement.
constexpr int kCalmTail = 64;

}  // namespace

const char* Name(Moment m) {
  switch (m) {
    case Moment::Catching:
      return "catching";
    case Moment::Frightening:
      return "frightening";
    case Moment::Pouring:
      return "pouring";
    case Moment::CanComing:
      return "can-coming";
    case Moment::Peeking:
      return "peeking";
    case Moment::Trumpeting:
      return "trumpeting";
    case Moment::Settling:
      return "settling";
    case Moment::Waiting:
      return "waiting";
  }
  return "?";
}

Moment MomentOf(const TKanne& can, const TPflanz& plant, const TFly& fly) {
  if (plant.state == TPflanz::Lunge || plant.state == TPflanz::Chew || fly.state == TFly::Flee)
    return Moment::Catching;
  // Once the plant has ducked, the big fly's way out is only a wait.
  if (plant.state == TPflanz::Peek) return Moment::Peeking;
  // The plant stays scared from the big fly's arrival until it has sunk.
  if (fly.state == TFly::Summon || fly.state == TFly::Wait || fly.bigFlyActive || plant.scared)
    return Moment::Frightening;
  if (can.state == TKanne::Pour || (can.state == TKanne::Lift && !can.leaving))
    return Moment::Pouring;
  if (plant.state == TPflanz::Call || (can.state == TKanne::Walk && !can.leaving))
    return Moment::CanComing;
  if (can.state == TKanne::Trumpet) return Moment::Trumpeting;
  if (can.leaving || plant.state == TPflanz::Rise || plant.state == TPflanz::Sink)
    return Moment::Settling;
  return Moment::Waiting;
}

Pace PaceOf(Moment m) {
  switch (m) {
    case Moment::Catching:
      return {1, kTickCs};  // every tick: the bite lasts a few only
    case Moment::Frightening:
    case Moment::Pouring:
    case Moment::Trumpeting:
      return {2, 2 * kTickCs};
    case Moment::CanComing:
    case Moment::Peeking:
      return {4, 2 * kTickCs};
    case Moment::Settling:
      return {8, 2 * kTickCs};
    case Moment::Waiting:
      return {32, 2 * kTickCs};
  }
  return {1, kTickCs};
}

std::string LogLine(const KeptFrame& frame, const TKanne& can, const TPflanz& plant,
                    const TFly& fly) {
  char line[200];
  std::snprintf(line, sizeof line, "frame %d tick %d x%d %s can=%s plant=%s fly=%s bigfly=%s%s",
                frame.number, frame.tick, frame.pace.FastForward(), Name(frame.moment),
                CanStateName(can.state), PlantStateName(plant.state), FlyStateName(fly.state),
                fly.bigFlyActive ? "yes" : "no", plant.scared ? " scared" : "");
  return line;
}

bool Recording::Keep(Moment m) {
  return lastKept_ < 0 || m != lastMoment_ || tick_ - lastKept_ >= PaceOf(m).stride;
}

Events Recording::Run(int maxTicks, const std::function<void(const KeptFrame&)>& keep) {
  Events seen;
  int number = 0;
  int lastBusy = 0;
  while (tick_ < maxTicks) {
    step_.Run();
    ++tick_;
    const Moment m = MomentOf(can_, plant_, fly_);
    if (m != Moment::Waiting) lastBusy = tick_;
    const bool finished = seen.All() && m == Moment::Waiting && tick_ - lastBusy >= kCalmTail;
    if (!Keep(m) && !finished) continue;
    seen.pour |= can_.state == TKanne::Pour;
    seen.chew |= plant_.state == TPflanz::Chew;
    seen.fright |= plant_.state == TPflanz::Sink && plant_.scared;
    keep({number++, tick_, m, PaceOf(m)});
    lastKept_ = tick_;
    lastMoment_ = m;
    if (finished) break;
  }
  return seen;
}

}  // namespace gulpleaf::recording
