#include <cmath>
#include <cstdlib>

#include "plantsaver/animation/Actors.h"

namespace gulpleaf {

int TFly::previousX = 0;

namespace {

constexpr int kFlyWidth = Info(Sheet::Fly).frameWidth, kFlyHeight = Info(Sheet::Fly).frameHeight;
constexpr float kTwoPi = 6.28f;
constexpr int kScriptLength = sizeof(TFly::kCatchScript) / sizeof(TFly::kCatchScript[0]);
constexpr int kCaught = 1, kFools = 2;

int Trunc(float v) { return static_cast<int>(v); }

void WrapPhase(float& phase) {
  if (phase > kTwoPi) phase -= kTwoPi;
}

// Wing frame pairs by how fast the fly moved since its last wandering tick.
int WingPair(int d) {
  if (d < -10) return 8;
  if (d < -5) return 6;
  if (d > 10) return 0;
  if (d > 5) return 2;
  return 4;
}

// One tick of the small fly and its big companion; the fly reads the plant
// and writes the plant's fly near, frozen, target, scared and counter.
class FlyStep {
 public:
  FlyStep(TFly& fly, ActorWorld& world, TPflanz& plant)
      : f_(fly),
        world_(world),
        plant_(plant),
        w_(world.canvas.Width()),
        h_(world.canvas.Height()) {}

  void Run() {
    if (f_.bigFlyActive) BigFly();
    // By state number: Wander, Flee, Summon, Wait.
    static constexpr void (FlyStep::*kSteps[])() = {nullptr, &FlyStep::Wander, &FlyStep::Flee,
                                                    &FlyStep::Summon, &FlyStep::Wait};
    if (f_.state >= TFly::Wander && f_.state <= TFly::Wait) (this->*kSteps[f_.state])();
  }

 private:
  void Play(int waveId, bool looped = false) {
    if (f_.soundOn) world_.sound.Play(waveId, looped);
  }

  void Draw(int frame) {
    const int sy = frame * Info(Sheet::Fly).frameHeight;
    world_.canvas.Blit(Sheet::FlyMask, f_.position.x, f_.position.y, kFlyWidth, kFlyHeight, 0, sy,
                       RasterOp::And);
    world_.canvas.Blit(Sheet::Fly, f_.position.x, f_.position.y, kFlyWidth, kFlyHeight, 0, sy,
                       RasterOp::Invert);
  }

  void Wander() {
    f_.base.x += 3;
    f_.phaseBase += static_cast<float>(world_.random.Next() % 100) / 3000.0f;
    WrapPhase(f_.phaseBase);
    f_.base.y = Trunc(std::sin(f_.phaseBase) * 150.0f + 100.0f);
    if (f_.base.x > w_ && f_.position.x > w_) {
      f_.base.x = -250;
      f_.hasReentered = true;
    }
    f_.phaseX += 0.11f;
    f_.phaseY += 0.16f;
    WrapPhase(f_.phaseX);
    WrapPhase(f_.phaseY);
    f_.position = {Trunc(std::sin(f_.phaseX) * 100.0f + static_cast<float>(f_.base.x)),
                   Trunc(std::sin(f_.phaseY) * 50.0f + static_cast<float>(f_.base.y))};

    const int d = TFly::previousX - f_.position.x;
    TFly::previousX = f_.position.x;
    f_.wing = 1 - f_.wing;
    Draw(WingPair(d) + f_.wing);

    const Point head = plant_.headPosition;
    plant_.flyNear = std::abs(f_.position.x - (head.x + 132)) < 180 &&
                     std::abs(f_.position.y - (head.y + 60)) < 30 &&
                     plant_.state == TPflanz::Hover && f_.position.x < plant_.footPosition.x + 151;
    if (plant_.flyNear && !plant_.scared) Encounter();

    if (f_.soundOn && world_.random.Next() % 55 == 13 && f_.base.x > 0 &&
        plant_.state != TPflanz::Sink && plant_.state != TPflanz::Drink &&
        plant_.state != TPflanz::Call && plant_.state != TPflanz::Peek && !f_.bigFlyActive &&
        f_.hasReentered) {
      Play(wave::kBuzz);
    }
  }

  // The catch script decides; a fooling entry only works on a plant whose
  // head is in the right half, and otherwise waits for the next encounter.
  void Encounter() {
    f_.scriptPosition = ((f_.scriptPosition % kScriptLength) + kScriptLength) % kScriptLength;
    const int entry = TFly::kCatchScript[f_.scriptPosition];
    if (entry == kFools && plant_.headPosition.x > w_ / 2) {
      AdvanceScript();
      plant_.flyNear = false;
      plant_.frozen = true;
      f_.state = TFly::Summon;
      Play(wave::kFlyFools);
      return;
    }
    if (entry == kCaught) AdvanceScript();
    f_.state = TFly::Flee;
    plant_.target = {f_.position.x - 132, f_.position.y - 94};
  }

  void AdvanceScript() { f_.scriptPosition = (f_.scriptPosition + 1) % kScriptLength; }

  void Flee() {
    if (f_.reentryRequest) {
      // Eaten: the next fly comes in from the left; nothing to draw now.
      f_.base = {-350, 70};
      f_.reentryRequest = false;
      f_.state = TFly::Wander;
      return;
    }
    if (f_.position.x > plant_.footPosition.x - 300) f_.position.x -= 30;
    f_.wing = 1 - f_.wing;
    plant_.target.x = f_.position.x - 132;
    Draw(8 + f_.wing);
  }

  // Hovers where it is while the big fly passes.
  void Wait() {
    f_.wing = 1 - f_.wing;
    Draw(f_.wing);
  }

  void Summon() {
    if (f_.position.x > 60) {
      f_.position.x -= 20;
    } else {
      f_.bigFlyPosition = {-230, f_.position.y};
      // The big fly keeps clear of the plant's resting head.
      if (f_.bigFlyPosition.y + 150 > h_ - 283) f_.bigFlyPosition.y = h_ - 433;
      f_.bigFlyBaseY = f_.bigFlyPosition.y;
      f_.bigFlyPhase = 0;
      f_.bigFlyFrame = 0;
      f_.bigFlyActive = true;
      f_.state = TFly::Wait;
      f_.base = f_.position;
      f_.phaseX = f_.phaseY = f_.phaseBase = 0;
      Play(wave::kBigFlySetsOut);
    }
    Draw(0);
  }

  void BigFly() {
    Point& pos = f_.bigFlyPosition;
    if (pos.x == -210) Play(wave::kBigFlyApproach, true);
    if (pos.x < 0) {
      pos.x += 2;
    } else {
      pos.x += 4;
      f_.bigFlyPhase += 0.08f;
      pos.y = Trunc(std::sin(f_.bigFlyPhase) * 30.0f + static_cast<float>(f_.bigFlyBaseY));
    }
    if (pos.x > 0 && f_.state != TFly::Wander) {
      f_.state = TFly::Wander;
      plant_.scared = true;
    }
    const SheetInfo& big = Info(Sheet::FlyBig);
    world_.canvas.Blit(Sheet::FlyBig, pos.x, pos.y, big.frameWidth, big.frameHeight, 0,
                       f_.bigFlyFrame * big.frameHeight, RasterOp::Copy);
    if (pos.x >= 0) {
      const SheetInfo& sting = Info(Sheet::Stachel);
      world_.canvas.Blit(Sheet::Stachel, pos.x + 117, pos.y + 121, sting.frameWidth,
                         sting.frameHeight, 0, f_.bigFlyFrame * sting.frameHeight, RasterOp::Copy);
    }
    f_.bigFlyFrame = f_.bigFlyFrame + 1 >= 4 ? 0 : f_.bigFlyFrame + 1;
    // While the big fly is about, the plant's chewing and peeking go on.
    if (plant_.counter > 0) plant_.counter = 2;
    if (pos.x > w_) f_.bigFlyActive = false;
  }

  TFly& f_;
  ActorWorld& world_;
  TPflanz& plant_;
  int w_, h_;
};

}  // namespace

TFly::TFly(ActorWorld world, TPflanz* plant, bool withSound)
    : soundOn(withSound), world_(world), plant_(plant) {}

void TFly::Erase() { world_.canvas.Blacken(position.x, position.y, kFlyWidth, kFlyHeight); }

void TFly::Tick() {
  // The fly lives only beside its plant; without one there is no scene.
  if (plant_) FlyStep(*this, world_, *plant_).Run();
}

}  // namespace gulpleaf
