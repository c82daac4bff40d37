#pragma once
// TsavThread paces the animation: it prepares the sound device and the scene,
// then once per frame period hands one frame step to the main thread and
// sleeps out the rest of the period. All actor logic and drawing run on the
// main thread; this thread only measures time and sleeps.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "common/Thread.h"
#include "plantsaver/animation/AnimationHost.h"

namespace gulpleaf {

struct Scene;

class TsavThread final : public zeb::Thread {
 public:
  TsavThread(AnimationSurface& form, const AnimationSettingsSource& settings, HINSTANCE module);
  ~TsavThread() override;

  bool SceneReady() const { return scene_ != nullptr; }
  // Repaints part of the form from the back buffer (main thread only).
  void PaintScene(HDC dc, const RECT& area) const;

 protected:
  void Execute() override;

 private:
  void BuildScene();
  // False when the step failed.
  bool FastForward(unsigned ticks);

  AnimationSurface& form_;
  const AnimationSettingsSource& settings_;
  HINSTANCE module_;
  std::uint32_t speed_ = 50;
  bool sound_ = true;
  std::unique_ptr<Scene> scene_;  // touched on the main thread only
};

}  // namespace gulpleaf
