#pragma once
// Recorders behind the actors' seams and the scene wired as the animation
// thread wires it: tests script chance and watch every drawing call, sound
// and pause.
#include <cstdint>
#include <deque>
#include <vector>

#include "plantsaver/animation/Actors.h"
#include "plantsaver/animation/FrameStep.h"
#include "plantsaver/animation/PlantNeck.h"

namespace gulpleaf::test {

struct DrawCall {
  enum Kind { Blit, Blacken, FillBlack } kind;
  Sheet sheet;  // Blit only
  int x, y, w, h, sx, sy;
  RasterOp op;
};

class RecordingCanvas final : public SpriteCanvas {
 public:
  RecordingCanvas(int width, int height) : width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Blit(Sheet sheet, int x, int y, int w, int h, int sx, int sy, RasterOp op) override {
    calls.push_back({DrawCall::Blit, sheet, x, y, w, h, sx, sy, op});
  }
  void Blacken(int x, int y, int w, int h) override {
    calls.push_back({DrawCall::Blacken, Sheet::Count, x, y, w, h, 0, 0, RasterOp::Copy});
  }
  void FillBlack(const Rect& r) override {
    calls.push_back({DrawCall::FillBlack, Sheet::Count, r.left, r.top, r.right - r.left,
                     r.bottom - r.top, 0, 0, RasterOp::Copy});
  }
  std::vector<DrawCall> Blits(Sheet sheet) const {
    std::vector<DrawCall> out;
    for (const DrawCall& c : calls) {
      if (c.kind == DrawCall::Blit && c.sheet == sheet) out.push_back(c);
    }
    return out;
  }
  std::vector<DrawCall> calls;

 private:
  int width_, height_;
};

struct SoundEvent {
  int waveId;  // 0: the playing sound was stopped
  bool looped;
  friend bool operator==(const SoundEvent&, const SoundEvent&) = default;
};

class RecordingSound final : public SoundPlayer {
 public:
  void Play(int waveId, bool looped) override { events.push_back({waveId, looped}); }
  void Stop() override { events.push_back({0, false}); }
  int Count(int waveId) const {
    int n = 0;
    for (const SoundEvent& e : events) n += e.waveId == waveId;
    return n;
  }
  std::vector<SoundEvent> events;
};

// The scripted values in order, then the fallback for ever.
class ScriptedRandom final : public RandomSource {
 public:
  std::uint32_t Next() override {
    if (script.empty()) return fallback;
    const std::uint32_t v = script.front();
    script.pop_front();
    return v;
  }
  std::deque<std::uint32_t> script;
  std::uint32_t fallback = 1;
};

class RecordingPause final : public Pause {
 public:
  void Sleep(std::uint32_t ms) override { sleeps.push_back(ms); }
  std::vector<std::uint32_t> sleeps;
};

// Can, plant and fly constructed, linked and stepped as the animation thread
// does it, through the production frame step. Unit tests tick a single actor and pose the others by
// hand.
struct Scene {
  Scene(int width, int height, bool soundOn = true, RandomSource* chance = nullptr)
      : canvas(width, height),
        random(chance ? *chance : scripted),
        can(World(), soundOn),
        plant(World(), soundOn),
        fly(World(), &plant, soundOn),
        step(can, plant, fly, screen, height) {
    TKanne::blinkCounter = 0;  // process-wide; no test may see another's
    TFly::previousX = 0;
    plant.Link(&can, &fly.reentryRequest);
    can.Link(&plant);
  }
  ActorWorld World() { return {canvas, sound, random, pause}; }
  // One frame through the program's own frame step, so that these tests see
  // the order production draws in; the canvas keeps only this frame's calls.
  void Step() {
    canvas.calls.clear();
    step.Run();
  }
  // Puts the hovering head exactly at `at` for the plant's next tick.
  void HoverAt(Point at) {
    plant.state = TPflanz::Hover;
    plant.basePosition = plant.headPosition = at;
    plant.amplitudeX = plant.amplitudeY = plant.phaseX = plant.phaseY = 0;
  }
  // With the wave phases so, the fly's next wandering tick puts it at
  // (x, 100) exactly, as long as chance brings small values.
  void FlyNextAt(int x) {
    fly.state = TFly::Wander;
    fly.base.x = x - 3;
    fly.phaseX = -0.11f;
    fly.phaseY = -0.16f;
    fly.phaseBase = 0;
  }

  RecordingCanvas canvas;
  RecordingSound sound;
  ScriptedRandom scripted;
  RecordingPause pause;
  RandomSource& random;
  TKanne can;
  TPflanz plant;
  TFly fly;
  NullCopier screen;
  FrameStep step;
};

}  // namespace gulpleaf::test
