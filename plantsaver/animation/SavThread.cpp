#include "plantsaver/animation/SavThread.h"

#include <mmsystem.h>

#include <cstdlib>

#include "plantsaver/animation/Actors.h"
#include "plantsaver/animation/FrameStep.h"
#include "plantsaver/animation/GdiScene.h"
#include "plantsaver/animation/SpriteSheets.h"
#include "plantsaver/random/Random.h"

namespace gulpleaf {

// Everything a running scene owns, made and destroyed on the main thread.
struct Scene {
  Scene(HDC form, const SpriteSheets& sheets, int width, int height, HINSTANCE module, bool sound)
      : back(form, sheets, width, height),
        sounds(module),
        world{back, sounds, ProcessRandom(), pause},
        can(world, sound),
        plant(world, sound),
        fly(world, &plant, sound),
        copier(form, back),
        step(can, plant, fly, copier, height) {
    plant.Link(&can, &fly.reentryRequest);
    can.Link(&plant);
  }

  BackBuffer back;
  WaveSounds sounds;
  MainThreadPause pause;
  ActorWorld world;
  TKanne can;
  TPflanz plant;
  TFly fly;
  FormCopier copier;
  FrameStep step;
};

TsavThread::TsavThread(AnimationSurface& form, const AnimationSettingsSource& settings,
                       HINSTANCE module)
    : form_(form), settings_(settings), module_(module) {}

TsavThread::~TsavThread() { Stop(); }

void TsavThread::BuildScene() {
  scene_ = std::make_unique<Scene>(form_.Canvas(), form_.Sheets(), form_.ClientWidth(),
                                   form_.ClientHeight(), module_, sound_);
  scene_->copier.Copy(0, 0, form_.ClientWidth(), form_.ClientHeight());
}

void TsavThread::PaintScene(HDC dc, const RECT& area) const {
  if (!scene_ || !scene_->back.Valid()) return;
  BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, scene_->back.Dc(),
         area.left, area.top, SRCCOPY);
}

// For recordings only: runs the scene ahead without showing it, so that a
// short capture can start in the middle of the action. Users never set it.
bool TsavThread::FastForward(unsigned ticks) {
  if (ticks == 0) return true;
  return Synchronize([this, ticks] {
    NullCopier hidden;
    FrameStep ahead(scene_->can, scene_->plant, scene_->fly, hidden, form_.ClientHeight());
    for (unsigned i = 0; i < ticks; ++i) ahead.Run();
    scene_->copier.Copy(0, 0, form_.ClientWidth(), form_.ClientHeight());
  });
}

void TsavThread::Execute() {
  SeedProcessRandomFromTime();
  const AnimationSettings settings = settings_.Load();
  // A negative period would make the thread sleep for weeks.
  speed_ = static_cast<std::uint32_t>(settings.speed >= 0 ? settings.speed : 50);
  sound_ = settings.sound;
  const bool audio = settings.sound || settings.startTrack;
  DWORD oldVolume = 0;
  bool volumeRead = false;
  WaveSounds startTrack(module_);
  if (audio) {
    volumeRead = waveOutGetVolume(0, &oldVolume) == MMSYSERR_NOERROR;
    DWORD level =
        settings.volume != 0 ? (static_cast<DWORD>(settings.volume) & 0xFFFF) : LOWORD(oldVolume);
    waveOutSetVolume(0, MAKELONG(level, level));
    if (settings.startTrack) startTrack.Play(14, false);
  }

  // A step that failed on the main thread ends the animation: the next one
  // would run on a scene that was never made or is half-way through a frame.
  bool running = Synchronize([this] { BuildScene(); });
  if (running) {
    if (const char* skip = std::getenv("GULPLEAF_FAST_FORWARD"))
      running = FastForward(std::strtoul(skip, nullptr, 10));
  }
  if (running) {
    SystemFrameClock clock;
    RunFrames(
        clock, speed_, [this, &running] { return !running || Terminated(); },
        [this, &running] { running = Synchronize([this] { scene_->step.Run(); }); });
  }

  Synchronize([this] { scene_.reset(); });
  if (audio) {
    startTrack.Stop();
    if (volumeRead) waveOutSetVolume(0, oldVolume);
  }
}

}  // namespace gulpleaf
