#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "plantsaver/animation/Actors.h"
#include "plantsaver/animation/PlantNeck.h"

namespace gulpleaf {
namespace {

constexpr int kHeadWidth = Info(Sheet::PflanzHead).frameWidth;
constexpr int kHeadHeight = Info(Sheet::PflanzHead).frameHeight;

// The head rests on the foot: its top is this far above the foot's top, its
// left edge this far left of the foot's.
constexpr int kRestAboveFoot = 154, kRestLeftOfFoot = 63;

int Trunc(float v) { return static_cast<int>(v); }

// One tick of the plant. The world and the links are the plant's private
// parts; everything else it moves lives in the plant's public fields, which
// the can and the fly read and write as well.
class PlantStep {
 public:
  PlantStep(TPflanz& plant, ActorWorld& world, TKanne* can, bool* flyReentryRequest)
      : p_(plant),
        world_(world),
        can_(can),
        reentry_(flyReentryRequest),
        w_(world.canvas.Width()),
        h_(world.canvas.Height()) {}

  void Run() {
    // By state number: Rise, Sink, Idle, Hover, Lunge, Drink, Call, Chew, Peek.
    static constexpr void (PlantStep::*kSteps[])() = {
        nullptr,           &PlantStep::Rise,  &PlantStep::Sink, &PlantStep::Idle, &PlantStep::Sway,
        &PlantStep::Lunge, &PlantStep::Drink, &PlantStep::Call, &PlantStep::Chew, &PlantStep::Peek};
    if (p_.state >= TPflanz::Rise && p_.state <= TPflanz::Peek) (this->*kSteps[p_.state])();
    if (p_.state != TPflanz::Peek) DrawFoot();
  }

 private:
  int CanState() const { return can_ ? can_->state : 0; }
  bool CanLeaving() const { return can_ && can_->leaving; }
  bool Chance(unsigned n) { return world_.random.Next() % n == 0; }
  void Play(int waveId) {
    if (p_.soundOn) world_.sound.Play(waveId, false);
  }
  Point RestingPlace() const {
    return {p_.footPosition.x - kRestLeftOfFoot, p_.footPosition.y - kRestAboveFoot};
  }

  // The mouth opens and closes between frames 3 and 9 while resting and
  // hovering.
  void TurnMouthAtEnds() {
    if ((p_.frame > 8 && p_.direction == 1) || (p_.frame <= 3 && p_.direction == -1)) {
      p_.direction = -p_.direction;
    }
  }

  void DrawHead() {
    world_.canvas.Blit(Sheet::PflanzHead, p_.headPosition.x, p_.headPosition.y, kHeadWidth,
                       kHeadHeight, 0, p_.frame * Info(Sheet::PflanzHead).frameHeight,
                       RasterOp::Copy);
  }

  void DrawFoot() {
    p_.footFrame += p_.footDirection;
    if (p_.footFrame > 8 || p_.footFrame == 0) p_.footDirection = -p_.footDirection;
    const SheetInfo& foot = Info(Sheet::PflanzFuss);
    const SheetInfo& collar = Info(Sheet::HalsKraus);
    world_.canvas.Blit(Sheet::PflanzFuss, p_.footPosition.x, p_.footPosition.y, foot.frameWidth,
                       foot.frameHeight, 0, p_.footFrame * foot.frameHeight, RasterOp::Copy);
    world_.canvas.Blit(Sheet::HalsKraus, p_.footPosition.x + 54,
                       p_.footPosition.y - p_.collarOffset, collar.frameWidth, collar.frameHeight,
                       0, 0, RasterOp::Copy);
  }

  void DrawNeck(Point head) { DrawPlantNeck(p_, world_.canvas, head); }

  void Sway() {
    if (!p_.frozen) {
      const float sx = std::sin(p_.phaseX) * p_.amplitudeX;
      const float sy = std::sin(p_.phaseY) * p_.amplitudeY;
      p_.headPosition = {Trunc(sx + static_cast<float>(p_.basePosition.x)),
                         Trunc(sy + static_cast<float>(p_.basePosition.y))};
      p_.phaseX += 0.0335f;
      p_.phaseY += 0.0234f;
      if (p_.amplitudeX < 100) p_.amplitudeX += 0.7f;
      if (p_.amplitudeY < 130) p_.amplitudeY += 0.97f;
    }
    if (p_.state == TPflanz::Hover) HoverRules();
    DrawNeck(p_.headPosition);
    DrawHead();
  }

  void HoverRules() {
    const Point head = p_.headPosition;
    if (head.y < 0) p_.basePosition.y += 1;
    if (head.y > h_ - 323) p_.basePosition.y -= 2;
    if (head.x > w_ - 30) p_.basePosition.x -= 1;
    if (head.x < w_ / 2 - 100) p_.basePosition.x += 1;

    if (!p_.frozen) {
      if (Chance(7)) p_.frame += p_.direction;
      TurnMouthAtEnds();
    } else if (p_.frame < 13) {
      p_.frame += 1;
    }

    if (p_.flyNear) {
      p_.state = TPflanz::Lunge;
      p_.frame = 0;
      p_.divisor = 2;
    }
    if (p_.scared) {
      p_.state = TPflanz::Sink;
      p_.frozen = false;
      p_.headPosition = {p_.footPosition.x - kRestLeftOfFoot, p_.headPosition.y - 70};
      p_.basePosition = p_.headPosition;
      Play(wave::kFright);
    }
  }

  void Idle() {
    p_.neckRect = {};
    if (p_.idleTicks < 400) p_.idleTicks += 1;
    if (Chance(4)) p_.frame += p_.direction;
    TurnMouthAtEnds();
    if (p_.frame == 8 && CanState() == TKanne::Stand && p_.idleTicks >= 400 && Chance(12)) {
      p_.state = TPflanz::Call;
      p_.direction = 1;
      p_.counter = 4;
      p_.delay = 0;
    }
    DrawHead();
  }

  void Call() {
    if (--p_.delay < 0) {
      if (p_.counter != 0) {
        p_.frame += p_.direction;
        if ((p_.frame >= 15 && p_.direction == 1) || (p_.frame <= 12 && p_.direction == -1)) {
          p_.direction = -p_.direction;
          if (p_.counter == 4) Play(wave::kFirstCall);
          p_.counter -= 1;
        }
      } else if (can_ && can_->state == TKanne::Stand) {
        // Only a can that still stands is summoned: one that has just
        // arrived beside the plant (Lift) must not be sent walking again.
        can_->state = TKanne::Walk;
        Play(wave::kSummon);
      }
      p_.delay = 2;
    }
    DrawHead();
    if (CanState() == TKanne::Lift) {
      p_.state = TPflanz::Drink;
      p_.reopened = false;
      p_.gulpPlayed = false;
    }
  }

  void Drink() {
    if (--p_.delay < 0) {
      if (CanState() == TKanne::Walk && CanLeaving()) {
        p_.delay = 3;
        if (!p_.reopened) {
          if (p_.frame >= 14) {
            p_.reopened = true;
            p_.frame -= 1;
          } else {
            p_.frame += 1;
          }
        } else if (p_.frame > 0) {
          p_.frame -= 1;
        }
      } else if (CanState() == TKanne::Lift && CanLeaving()) {
        if (p_.frame > 0) p_.frame -= 1;
        p_.delay = 3;
        p_.collarOffset = 8;
      } else {
        if (p_.frame < 14) {
          p_.frame += 1;
        } else if (CanState() == TKanne::Pour) {
          // The head bobs by a pixel and the collar jumps while it swallows.
          p_.headPosition.y += p_.headPosition.y == h_ - 253 ? 1 : -1;
          p_.frame = p_.frame == 15 ? 14 : p_.frame + 1;
          p_.collarOffset = p_.collarOffset == 8 ? 10 : 8;
        }
        p_.delay = 3;
      }
    }
    if (CanState() == TKanne::Stand) {
      p_.state = TPflanz::Rise;
      p_.phaseX = p_.phaseY = 0;
      p_.amplitudeX = p_.amplitudeY = 0;
      p_.basePosition = p_.headPosition;
      p_.delay = 1;
    }
    DrawHead();
    if (p_.soundOn && p_.frame == 2 && !p_.gulpPlayed) {
      world_.sound.Play(wave::kGulp, false);
      p_.gulpPlayed = true;
    }
  }

  void Rise() {
    if (p_.frame <= 0) {
      Sway();
      if (p_.amplitudeX < 60) p_.amplitudeX += 2;
      if (p_.amplitudeY < 50) p_.amplitudeY += 1;
      p_.basePosition.y -= 5;
      if (p_.basePosition.y < 50) p_.state = TPflanz::Hover;
      return;
    }
    if (--p_.delay < 0) {
      p_.delay = 2;
      p_.frame -= 1;
    }
    DrawHead();
  }

  void Lunge() {
    // The divisor is set to 2 on entering the lunge; never divide by less
    // than 1 whatever a caller left in it.
    const int divisor = std::max(p_.divisor, 1);
    const int dx = (p_.headPosition.x - p_.target.x) / divisor;
    const int dy = (p_.headPosition.y - p_.target.y) / divisor;
    if (p_.divisor > 1) p_.divisor -= 1;
    if (p_.frame < 2) p_.frame += 1;
    p_.headPosition.x -= dx;
    p_.headPosition.y -= dy;
    if (p_.headPosition == p_.target) Bite();
    if (std::abs(dx) < 2 && std::abs(dy) < 2) p_.headPosition = p_.target;
    DrawNeck(p_.headPosition);
    DrawHead();
  }

  void Bite() {
    p_.bites += 1;
    p_.basePosition = p_.headPosition;
    p_.amplitudeX = p_.amplitudeY = 10.0f;
    p_.phaseX = p_.phaseY = 0;
    world_.pause.Sleep(50);
    p_.counter = 2;
    p_.direction = 1;
    p_.delay = 2;
    p_.state = TPflanz::Chew;
    Play(wave::kBite);
  }

  void Chew() {
    p_.frame += p_.direction;
    if (p_.frame > 2) {
      p_.direction = -p_.direction;
      if (p_.counter == 2 && reentry_) *reentry_ = true;
      p_.counter -= 1;
    }
    if (p_.frame <= 0) p_.direction = -p_.direction;
    DrawNeck(p_.headPosition);
    DrawHead();
    if (p_.counter <= 0) {
      Play(wave::kTrumpet);
      if (can_) {
        can_->state = TKanne::Trumpet;
        can_->tootsLeft = 8;
        can_->countdown = 0;
      }
      if (p_.headPosition.x < p_.footPosition.x - 350 || p_.bites == 2) {
        p_.state = TPflanz::Sink;
        p_.bites = 0;
      } else {
        p_.state = TPflanz::Hover;
      }
      p_.direction = 1;
    }
  }

  void Sink() {
    if (p_.scared) p_.basePosition.y += 13;
    if (p_.frame <= 0) {
      const Point rest = RestingPlace();
      p_.basePosition.y += 6;
      const int b = std::max((rest.y - p_.basePosition.y) / 10, 2);
      p_.basePosition.x = (rest.x - p_.basePosition.x) / b + p_.basePosition.x;
      if (std::abs(p_.basePosition.x - rest.x) <= 10) {
        p_.basePosition.x = rest.x;
        p_.amplitudeX = p_.amplitudeY = 0;
      }
      if (p_.basePosition.y >= rest.y) {
        p_.basePosition = rest;
        if (p_.scared) {
          p_.state = TPflanz::Peek;
          p_.frame = 0;
          p_.direction = 1;
          p_.counter = 0;
          p_.scared = false;
        } else {
          p_.state = TPflanz::Idle;
        }
      }
    } else {
      p_.frame -= 1;
    }
    if (p_.scared) p_.amplitudeX = p_.amplitudeY = 0;
    p_.amplitudeX = p_.amplitudeX > 0 ? p_.amplitudeX * 2 / 3 : 0;
    p_.amplitudeY = p_.amplitudeY > 0 ? p_.amplitudeY * 2 / 3 : 0;
    Sway();
  }

  void Peek() {
    if (--p_.delay > 0) return;
    p_.delay = 2;
    const Point head = p_.headPosition;
    if (p_.counter != 0) {
      p_.frame += p_.direction;
      if (p_.frame <= 0 || p_.frame >= 10) {
        p_.direction = -p_.direction;
        Play(wave::kEyesTurn);
        p_.counter -= 1;
        if (p_.counter <= 0) {
          p_.direction = -1;
          p_.frame = 9;
        }
      }
      const SheetInfo& eyes = Info(Sheet::LookAug);
      world_.canvas.Blit(Sheet::LookAug, head.x + 110, head.y + 55, eyes.frameWidth,
                         eyes.frameHeight, 0, p_.frame * eyes.frameHeight, RasterOp::Copy);
      return;
    }
    if (p_.direction == 1) {
      p_.frame += 1;
      if (p_.frame > 8) {
        p_.counter = 10;
        p_.frame = 0;
        return;
      }
    } else {
      p_.frame -= 1;
      if (p_.frame <= 0) {
        p_.state = TPflanz::Idle;
        p_.direction = 1;
        Play(wave::kBuzz);
      }
    }
    const SheetInfo& duck = Info(Sheet::PflanzDuck);
    world_.canvas.Blit(Sheet::PflanzDuck, head.x + 60, head.y + 30, duck.frameWidth,
                       duck.frameHeight, 0, p_.frame * duck.frameHeight, RasterOp::Copy);
    world_.canvas.Blacken(head.x, head.y, kHeadWidth, 30);
  }

  TPflanz& p_;
  ActorWorld& world_;
  TKanne* can_;
  bool* reentry_;
  int w_, h_;
};

}  // namespace

TPflanz::TPflanz(ActorWorld world, bool withSound) : soundOn(withSound), world_(world) {
  const int w = world.canvas.Width(), h = world.canvas.Height();
  footPosition = {w - 251, h - 99};
  headPosition = {footPosition.x - kRestLeftOfFoot, h - 253};
  // The neck is rebuilt every frame; clearing keeps the capacity, so after
  // the first frames no allocation happens any more.
  neckPoints.reserve(static_cast<std::size_t>(std::max(h, 0)) / 4 + 64);
}

void TPflanz::Link(TKanne* can, bool* flyReentryRequest) {
  can_ = can;
  flyReentryRequest_ = flyReentryRequest;
}

void TPflanz::Erase() {
  if (state == Peek) return;
  world_.canvas.Blacken(headPosition.x, headPosition.y, kHeadWidth, kHeadHeight);
  if (state == Rise || state == Sink || state == Hover || state == Lunge) {
    world_.canvas.FillBlack(neckRect);
  }
}

void TPflanz::Tick() { PlantStep(*this, world_, can_, flyReentryRequest_).Run(); }

}  // namespace gulpleaf
