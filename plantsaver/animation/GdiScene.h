#pragma once
// The scene's seams made real: a screen-sized back buffer drawn with GDI from
// the form's sprite sheets, the program's wave resources through PlaySound,
// and copies from the back buffer to the form.
#include <windows.h>

#include "common/GdiGuards.h"
#include "plantsaver/animation/ActorWorld.h"
#include "plantsaver/animation/FrameStep.h"
#include "plantsaver/animation/SpriteSheets.h"

namespace gulpleaf {

class BackBuffer final : public SpriteCanvas {
 public:
  // A bitmap compatible with the screen, filled with black.
  BackBuffer(HDC screen, const SpriteSheets& sheets, int width, int height);
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  bool Valid() const { return static_cast<bool>(dc_); }
  HDC Dc() const { return dc_.Get(); }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Blit(Sheet sheet, int x, int y, int w, int h, int sx, int sy, RasterOp op) override;
  void Blacken(int x, int y, int w, int h) override;
  void FillBlack(const Rect& r) override;

 private:
  const SpriteSheets& sheets_;
  int width_, height_;
  // In this order: the context deselects the bitmap and goes before it.
  zeb::GdiObjectGuard bitmap_;
  zeb::MemoryDcGuard dc_;
};

class WaveSounds final : public SoundPlayer {
 public:
  explicit WaveSounds(HINSTANCE module) : module_(module) {}
  void Play(int waveId, bool looped) override;
  void Stop() override;

 private:
  HINSTANCE module_;
};

class MainThreadPause final : public Pause {
 public:
  void Sleep(std::uint32_t ms) override { ::Sleep(ms); }
};

class FormCopier final : public ScreenCopier {
 public:
  FormCopier(HDC form, const BackBuffer& back) : form_(form), back_(back) {}
  void Copy(int x, int y, int w, int h) override;

 private:
  HDC form_;
  const BackBuffer& back_;
};

class SystemFrameClock final : public FrameClock {
 public:
  std::uint32_t Now() override;
  void Sleep(std::uint32_t ms) override { ::Sleep(ms); }
};

}  // namespace gulpleaf
