#include "plantsaver/animation/Actors.h"

namespace gulpleaf {

int TKanne::blinkCounter = 0;

namespace {

constexpr int kWalkWidth = Info(Sheet::KanWalk).frameWidth;
constexpr int kWalkHeight = Info(Sheet::KanWalk).frameHeight;
constexpr int kPourWidth = Info(Sheet::KanGiess).frameWidth;
constexpr int kPourHeight = Info(Sheet::KanGiess).frameHeight;
// While stretched up the body shows only the top of the walking picture; the
// extended legs take the rest.
constexpr int kLiftedBodyRows = 165;

// One tick of the can; the plant reads and writes the can's public fields.
class CanStep {
 public:
  CanStep(TKanne& can, ActorWorld& world, TPflanz* plant)
      : c_(can), world_(world), plant_(plant), h_(world.canvas.Height()) {}

  void Run() {
    // By state number: Walk, Stand, Lift, Pour, Trumpet.
    static constexpr void (CanStep::*kSteps[])() = {nullptr,         &CanStep::Walk,
                                                    &CanStep::Stand, &CanStep::Lift,
                                                    &CanStep::Pour,  &CanStep::Trumpet};
    if (c_.state >= TKanne::Walk && c_.state <= TKanne::Trumpet) (this->*kSteps[c_.state])();
  }

 private:
  int GroundY() const { return h_ - kWalkHeight; }
  int PourY() const { return h_ - 350; }

  void Walk() {
    if (c_.leaving) {
      c_.frame = c_.frame - 1 < 0 ? 9 : c_.frame - 1;
      c_.position.x -= 5;
      if (c_.position.x < 0) {
        c_.position.x = 0;
        c_.leaving = false;
        c_.state = TKanne::Stand;
      }
    } else {
      c_.position.x += 5;
      // An unlinked can has no plant to walk to and stops where it is.
      const int headX = plant_ ? plant_->headPosition.x : c_.position.x + 222;
      if (c_.position.x > headX - 222) {
        c_.position.x = headX - 215;
        c_.leaving = false;
        c_.state = TKanne::Lift;
        c_.frame = 0;
        Play(wave::kCanArrives, false);
      } else {
        c_.frame = c_.frame + 1 >= 10 ? 0 : c_.frame + 1;
      }
    }
    world_.canvas.Blit(Sheet::KanWalk, c_.position.x, c_.position.y, kWalkWidth, kWalkHeight, 0,
                       c_.frame * Info(Sheet::KanWalk).frameHeight, RasterOp::Copy);
  }

  void Stand() {
    const SheetInfo& eyes = Info(Sheet::KanBlinz);
    const int x = c_.position.x, y = c_.position.y + 46;
    world_.canvas.Blit(Sheet::KanBlinzMask, x, y, eyes.frameWidth, eyes.frameHeight, 0, 0,
                       RasterOp::And);
    if (world_.random.Next() % 35 == 0 && TKanne::blinkCounter == 0) TKanne::blinkCounter = 3;
    int eyesFrame = 0;  // open
    if (TKanne::blinkCounter != 0) {
      eyesFrame = 1;  // closed
      TKanne::blinkCounter -= 1;
    }
    world_.canvas.Blit(Sheet::KanBlinz, x, y, eyes.frameWidth, eyes.frameHeight, 0,
                       eyesFrame * eyes.frameHeight, RasterOp::Invert);
  }

  void Lift() {
    if (c_.leaving) {
      if (c_.position.y < GroundY()) {
        c_.position.y += 2;
      } else {
        c_.state = TKanne::Walk;
      }
    } else if (c_.position.y > PourY()) {
      c_.position.y -= 2;
    } else {
      c_.state = TKanne::Pour;
      c_.width = kPourWidth;
      c_.height = kPourHeight;
      c_.countdown = 0;
    }
    DrawLegs(0);
    world_.canvas.Blit(Sheet::KanWalk, c_.position.x, c_.position.y, kWalkWidth, kLiftedBodyRows, 0,
                       0, RasterOp::Copy);
  }

  void Pour() {
    if (c_.countdown != 0) {
      c_.countdown -= 1;
      if (c_.countdown > 2 && world_.random.Next() % 4 == 0) {
        c_.position.y += c_.position.y == PourY() ? 2 : -2;
      }
    } else {
      c_.countdown = 2;
      if (c_.leaving) {
        c_.frame -= 1;
        if (c_.frame <= 0) {
          c_.state = TKanne::Lift;
          c_.width = kWalkWidth;
          c_.height = kWalkHeight;
          if (c_.soundOn) world_.sound.Stop();
        }
      } else {
        c_.frame += 1;
        if (c_.frame >= 4) {
          c_.leaving = true;
          c_.countdown = 110;
          Play(wave::kPour, true);
        }
      }
    }
    DrawLegs(1);
    const int sy = c_.frame * Info(Sheet::KanGiess).frameHeight;
    world_.canvas.Blit(Sheet::KanGiessMask, c_.position.x, c_.position.y, kPourWidth, kPourHeight,
                       0, sy, RasterOp::And);
    world_.canvas.Blit(Sheet::KanGiess, c_.position.x, c_.position.y, kPourWidth, kPourHeight, 0,
                       sy, RasterOp::Invert);
  }

  void Trumpet() {
    c_.countdown -= 1;
    if (c_.countdown > 0) return;
    c_.countdown = 3;
    c_.tootFrame = 1 - c_.tootFrame;
    const SheetInfo& toot = Info(Sheet::KannTroet);
    world_.canvas.Blit(Sheet::KannTroet, c_.position.x + 13, c_.position.y + 50, toot.frameWidth,
                       toot.frameHeight, 0, c_.tootFrame * toot.frameHeight, RasterOp::Copy);
    c_.tootsLeft -= 1;
    if (c_.tootsLeft < 0) c_.state = TKanne::Stand;
  }

  // The legs stand on the bottom of the screen whatever the body does.
  void DrawLegs(int legsFrame) {
    const SheetInfo& legs = Info(Sheet::KanFuss);
    world_.canvas.Blit(Sheet::KanFuss, c_.position.x - 9, h_ - legs.frameHeight, legs.frameWidth,
                       legs.frameHeight, 0, legsFrame * legs.frameHeight, RasterOp::Copy);
  }

  void Play(int waveId, bool looped) {
    if (c_.soundOn) world_.sound.Play(waveId, looped);
  }

  TKanne& c_;
  ActorWorld& world_;
  TPflanz* plant_;
  int h_;
};

}  // namespace

TKanne::TKanne(ActorWorld world, bool withSound) : soundOn(withSound), world_(world) {
  position = {-kWalkWidth, world.canvas.Height() - kWalkHeight};
}

void TKanne::Link(TPflanz* plant) { plant_ = plant; }

void TKanne::Erase() {
  // Walking, lifting and trumpeting draw over their previous image.
  if (state == Pour) {
    world_.canvas.Blacken(position.x, position.y, kPourWidth, kPourHeight);
  } else if (state == Stand) {
    world_.canvas.Blacken(position.x, position.y, kWalkWidth, kWalkHeight);
  }
}

void TKanne::Tick() { CanStep(*this, world_, plant_).Run(); }

}  // namespace gulpleaf
