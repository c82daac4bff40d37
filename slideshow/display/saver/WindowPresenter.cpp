#include "slideshow/display/saver/WindowPresenter.h"

#include <cstdlib>
#include <memory>
#include <new>
#include <optional>

#include "slideshow/display/captions/CaptionBar.h"
#include "slideshow/display/captions/Notice.h"
#include "slideshow/display/captions/Title.h"
#include "slideshow/display/saver/PipelineSource.h"
#include "slideshow/display/show/SlideShow.h"
#include "slideshow/effects/EffectCatalogue.h"
#include "slideshow/effects/TransitionEffect.h"
#include "slideshow/engine/StartupTrace.h"
#include "slideshow/engine/pipeline/ProgressStage.h"
#include "slideshow/engine/pipeline/SlideImage.h"

namespace lumi {

namespace {

// The slideshow's clock as the effects' pacing sees it.
class PaceClock final : public EffectClock {
 public:
  PaceClock(ShowClock& clock, HWND wake) : clock_(clock), wake_(wake) {}
  std::uint32_t NowMilliseconds() override { return clock_.NowMilliseconds(); }
  void Sleep(int milliseconds) override {
    if (wake_ != nullptr) PresentDrawing(wake_);
    clock_.Sleep(milliseconds);
  }

 private:
  ShowClock& clock_;
  HWND wake_;
};

}  // namespace

void PresentDrawing(HWND window) {
  // Some systems put drawing from another thread than the window's on
  // screen only when the window's thread next goes idle: a message wakes it
  // at once, rather than at its next tick.
  GdiFlush();
  PostMessageA(window, WM_NULL, 0, 0);
}

void EffectDrawer::DrawTransition(const std::atomic<bool>& stop) {
  // The effect object lives for this one change.
  std::unique_ptr<CTransitionEffect> effect;
  if (fullScreen_) effect = PickRandomEffect();
  if (!effect) effect.reset(new (std::nothrow) CTransitionEffect);
  if (!effect || !effect->Prepare(dc_, picture_, display_, tile_, &stop)) return;
  std::optional<PaceClock> clock;  // outlives the Draw it paces
  if (paceClock_ != nullptr) effect->PaceForSpeed(clock.emplace(*paceClock_, wake_));
  effect->Draw();
  if (!stop) effect->FinishCopy();
}

void WindowPresenter::BeginRun() {
  if (dc_) return;
  StartupMark("worker running");
  dc_ = zeb::WindowDcGuard(ties_.window);
  if (dc_) runState_.emplace(dc_.Get());
}

void WindowPresenter::EndRun() {
  if (!dc_) return;
  pictureState_.reset();
  runState_.reset();
  dc_.Reset();
}

void WindowPresenter::SavePictureState() {
  if (dc_) pictureState_.emplace(dc_.Get());
}

void WindowPresenter::RestorePictureState() { pictureState_.reset(); }

void WindowPresenter::DrawTransition(const std::atomic<bool>& stop) {
  if (!dc_) return;
  EffectDrawer drawer(dc_.Get(), ties_.source.Current(), display_, ties_.source.Tiling(),
                      fullScreen_, &ties_.clock, ties_.window);
  drawer.DrawTransition(stop);
  Present();
  StartupMark("picture drawn");
}

void WindowPresenter::HideProgress() {
  if (ties_.progress != nullptr) PostMessageA(ties_.progress, kProgressShow, 0, 0);
}

void WindowPresenter::ClearScreen() {
  if (!dc_) return;
  PatBlt(dc_.Get(), display_.left, display_.top, display_.right - display_.left,
         display_.bottom - display_.top, BLACKNESS);
}

void WindowPresenter::DrawTitle(const std::string& title) {
  if (!dc_) return;
  lumi::DrawTitle(dc_.Get(), display_, title);
  Present();
}

void WindowPresenter::ShowCaptionAndWait(int seconds, const std::string& message) {
  if (!dc_) {
    if (show_ != nullptr) show_->WaitSliced(seconds * 1000);
    return;
  }
  lumi::ShowCaptionAndWait(dc_.Get(), display_, seconds, message, captionFont_, timer_);
}

void WindowPresenter::ShowNotice(const std::string& text) {
  if (!dc_) return;
  DrawNotice(dc_.Get(), display_, text, show_ != nullptr ? show_->GetCycle() : 1, ties_.progress,
             [] { return rand(); });
}

bool WindowPresenter::Timer::StopRequested() const {
  return owner_.show_ == nullptr || owner_.show_->StopRequested();
}

void WindowPresenter::Timer::Sleep(int ms) { owner_.ties_.clock.Sleep(ms); }

}  // namespace lumi
