#pragma once
// The three actors of the plant saver's scene. Each is one tick of a state
// machine per frame; they hold plain references to each other and read and
// write each other's public fields, as the scene's choreography needs.
// Portable: no Windows header.
#include <vector>

#include "plantsaver/animation/ActorWorld.h"

namespace gulpleaf {

class TKanne;
class TFly;

// The carnivorous plant, rooted near the bottom right corner.
class TPflanz {
 public:
  enum State { Rise = 1, Sink = 2, Idle = 3, Hover = 4, Lunge = 5, Drink = 6, Call = 7, Chew = 8, Peek = 9 };

  TPflanz(ActorWorld world, bool soundOn);
  void Link(TKanne* can, bool* flyReentryRequest);
  void Erase();
  void Tick();

  int state = Idle;
  int frame = 0;
  int direction = 1;
  int delay = 0;
  int divisor = 0;
  int footFrame = 0;
  int footDirection = 1;
  int collarOffset = 8;
  int bites = 0;
  unsigned idleTicks = 0;
  float phaseX = 0, phaseY = 0;
  float amplitudeX = 0, amplitudeY = 0;
  std::vector<unsigned> neckPoints;  // x in the high 16 bits, y in the low 16 bits
  Point footPosition;
  Point headPosition;
  Point basePosition;
  Point target;
  bool flyNear = false;
  bool scared = false;
  bool frozen = false;
  Rect neckRect;
  int counter = 0;
  bool reopened = false;
  bool gulpPlayed = false;
  bool soundOn;

  // Builds the neck points from p1 to p2 (half a cosine wave, a point at
  // least every 8 pixels) into neckPoints.
  void BuildNeckPoints(Point p1, Point p2);

 private:
  ActorWorld world_;
  TKanne* can_ = nullptr;
  bool* flyReentryRequest_ = nullptr;
};

// The walking watering can with eyes.
class TKanne {
 public:
  enum State { Walk = 1, Stand = 2, Lift = 3, Pour = 4, Trumpet = 5 };

  TKanne(ActorWorld world, bool soundOn);
  void Link(TPflanz* plant);
  void Erase();
  void Tick();

  int state = Stand;
  int frame = 0;
  int tootFrame = 0;
  bool soundOn;
  bool leaving = false;
  int tootsLeft = 0;
  int countdown = 0;
  Point position;
  int width = 222, height = 210;

  // Shared by all cans: ticks left with closed eyes.
  static int blinkCounter;

 private:
  ActorWorld world_;
  TPflanz* plant_ = nullptr;
};

// The small fly and its big companion with the sting.
class TFly {
 public:
  enum State { Wander = 1, Flee = 2, Summon = 3, Wait = 4 };
  static constexpr int kCatchScript[12] = {1, 2, 1, 1, 1, 2, 1, 1, 2, 1, 1, 1};

  TFly(ActorWorld world, TPflanz* plant, bool soundOn);
  void Erase();
  void Tick();

  int state = Wander;
  int wing = 0;
  Point position{-400, 100};
  Point base{-400, 100};
  float phaseX = 0, phaseY = 0, phaseBase = 0;
  bool soundOn;
  bool hasReentered = false;
  bool reentryRequest = false;
  bool bigFlyActive = false;
  Point bigFlyPosition;
  int bigFlyBaseY = 0;
  float bigFlyPhase = 0;
  int bigFlyFrame = 0;
  int scriptPosition = 0;

  // Shared by all flies: the small fly's x in the previous Wander tick.
  static int previousX;

 private:
  ActorWorld world_;
  TPflanz* plant_;
};

}  // namespace gulpleaf
