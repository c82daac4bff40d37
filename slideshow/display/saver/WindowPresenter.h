#pragma once
// What the slideshow's worker draws on its own device context of the saver
// window: the changes between pictures, titles, the caption bar and notices.
#include <windows.h>

#include <optional>

#include "common/GdiGuards.h"
#include "slideshow/display/captions/CaptionFont.h"
#include "slideshow/display/captions/CaptionTimer.h"
#include "slideshow/display/show/ShowSeams.h"

namespace lumi {

class CSlideImage;
class CSlideShow;
class PipelineSource;
class ShowClock;

// Draws the change to the current picture on one device context: the
// worker's, or the window's paint context when it repaints. Full-screen each
// change is an effect picked among those the user has enabled; the small
// preview always makes the straight copy.
// Puts what the worker drew on the window on screen now.
void PresentDrawing(HWND window);

class EffectDrawer final : public TransitionDrawer {
 public:
  // How a change is drawn: the straight copy in the small preview, a random
  // enabled effect full-screen. With a pacing clock (the worker's) the effect
  // is paced so that it is seen; never while the window's own thread
  // repaints, where input must end the saver at once.
  // Before each paced wait the window (if given) is woken, so that the
  // steps drawn so far reach the screen then.
  EffectDrawer(HDC dc, CSlideImage& picture, const RECT& display, bool tile, bool fullScreen,
               ShowClock* paceClock = nullptr, HWND wake = nullptr)
      : dc_(dc),
        picture_(picture),
        display_(display),
        tile_(tile),
        fullScreen_(fullScreen),
        paceClock_(paceClock),
        wake_(wake) {}
  void DrawTransition(const std::atomic<bool>& stop) override;

 private:
  HDC dc_;
  CSlideImage& picture_;
  RECT display_;
  bool tile_;
  bool fullScreen_;
  ShowClock* paceClock_;
  HWND wake_;
};

struct PresenterTies {
  HWND window = nullptr;
  HWND progress = nullptr;
  ShowClock& clock;
  PipelineSource& source;  // the current picture and whether it is tiled
};

class WindowPresenter final : public Presenter {
 public:
  WindowPresenter(const PresenterTies& ties, const RECT& display, bool fullScreen)
      : ties_(ties), display_(display), fullScreen_(fullScreen), timer_(*this) {}
  ~WindowPresenter() override { EndRun(); }

  // The controller whose cycle count, sliced waits and stop flag the
  // caption bar and notices use; attached before the worker runs.
  void AttachShow(CSlideShow& show) { show_ = &show; }

  void BeginRun() override;
  void EndRun() override;
  void SavePictureState() override;
  void RestorePictureState() override;
  void DrawTransition(const std::atomic<bool>& stop) override;
  void HideProgress() override;
  void ClearScreen() override;
  void DrawTitle(const std::string& title) override;
  void ShowCaptionAndWait(int seconds, const std::string& message) override;
  void ShowNotice(const std::string& text) override;

 private:
  // The caption bar waits through the slideshow's own clock and stop flag.
  class Timer final : public CaptionTimer {
   public:
    explicit Timer(WindowPresenter& owner) : owner_(owner) {}
    bool StopRequested() const override;
    void Sleep(int ms) override;

   private:
    WindowPresenter& owner_;
  };

  // Has what the worker drew put on screen now.
  void Present() const { PresentDrawing(ties_.window); }

  PresenterTies ties_;
  CSlideShow* show_ = nullptr;
  RECT display_;
  bool fullScreen_;
  Timer timer_;
  CaptionFont captionFont_;
  // The worker's context for the run, and the states saved on it; each goes
  // before the one above it.
  zeb::WindowDcGuard dc_;
  std::optional<zeb::DcStateGuard> runState_;
  std::optional<zeb::DcStateGuard> pictureState_;
};

}  // namespace lumi
