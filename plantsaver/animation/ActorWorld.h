#pragma once
// What the actors need from the world around them, as small seams: where they
// draw, how they make sounds, their source of chance and the one pause. The
// saver passes GDI and PlaySound behind these; tests pass recorders.
// Portable: no Windows header.
#include <cstdint>

#include "plantsaver/animation/SheetCatalogue.h"
#include "plantsaver/random/Random.h"

namespace gulpleaf {

struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive, as in a Windows RECT.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum class RasterOp { Copy, And, Invert };  // SRCCOPY, SRCAND, SRCINVERT

// The back buffer the actors draw into: screen-sized, same coordinates.
class SpriteCanvas {
 public:
  virtual ~SpriteCanvas() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Copies the w x h area at (sx, sy) of the sheet to (x, y).
  virtual void Blit(Sheet sheet, int x, int y, int w, int h, int sx, int sy, RasterOp op) = 0;
  // Blacks out a rectangle (a BLACKNESS blit).
  virtual void Blacken(int x, int y, int w, int h) = 0;
  // Fills a rectangle with the stock black brush.
  virtual void FillBlack(const Rect& r) = 0;
};

// The program's wave resources, played asynchronously; a new sound cuts off
// the playing one.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void Play(int waveId, bool looped) = 0;
  virtual void Stop() = 0;
};

// The main thread's pause inside a frame step (the plant's bite).
class Pause {
 public:
  virtual ~Pause() = default;
  virtual void Sleep(std::uint32_t ms) = 0;
};

// For runs that are neither heard nor paced in real time: the frame bench,
// the scene recorder and tests that step the scene as fast as they can.
class SilentSound final : public SoundPlayer {
 public:
  void Play(int, bool) override {}
  void Stop() override {}
};
class NoPause final : public Pause {
 public:
  void Sleep(std::uint32_t) override {}
};

struct ActorWorld {
  SpriteCanvas& canvas;
  SoundPlayer& sound;
  RandomSource& random;
  Pause& pause;
};

}  // namespace gulpleaf
