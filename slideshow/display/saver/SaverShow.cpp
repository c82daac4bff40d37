#include "slideshow/display/saver/SaverShow.h"

#include "slideshow/engine/PackageFiles.h"
#include "slideshow/engine/StartupTrace.h"

namespace lumi {

namespace {

constexpr int kRestLooks = 20;
constexpr DWORD kRestLookMs = 10;

}  // namespace

SaverShow::SaverShow(const SaverShowTies& ties)
    : ties_(ties), catalog_(ties.collections), store_(ties.settings, ties.collections) {}

SaverShow::~SaverShow() {
  // The owner stops the worker first; this only makes sure nothing the
  // worker uses goes away beneath it.
  StopWorker();
}

bool SaverShow::Start(HWND window, HWND progress, const ShowParams& params) {
  if (show_) return false;
  display_ =
      RECT{params.display.left, params.display.top, params.display.right, params.display.bottom};
  PackageFiles& files = ties_.files;
  sound_ = std::make_unique<WindowSoundRequests>(
      window, [&files](const std::string& member) { return files.ExtractPackageFile(member); });
  source_ = std::make_unique<PipelineSource>(
      PipelineSourceTies{window, progress, ties_.settings, ties_.files, ties_.members}, params);
  fullScreen_ = params.fullScreen;
  presenter_ = std::make_unique<WindowPresenter>(PresenterTies{window, progress, clock_, *source_},
                                                 display_, fullScreen_);
  show_ = std::make_unique<CSlideShow>(
      ShowSeams{catalog_, store_, *source_, *presenter_, *sound_, clock_, random_});
  source_->AttachStopFlag(show_->StopFlag());
  presenter_->AttachShow(*show_);

  StartSlideShow(*show_, params, progress);
  StartupMark("play list built");
  thread_ = std::make_unique<CSlideShowThread>(*show_);
  return thread_->Begin();
}

void SaverShow::Repaint(HDC dc) {
  if (!show_ || !source_) return;
  EffectDrawer drawer(dc, source_->Current(), display_, source_->Tiling(), fullScreen_);
  show_->RunTransition(drawer);
}

void SaverShow::Suspend() {
  if (!thread_) return;
  // The worker is held where it rests if it gets there soon: held inside an
  // allocation or a drawing call it would keep the heap's or the graphics
  // system's lock, and the password prompt needs both.
  for (int look = 0; look < kRestLooks; ++look) {
    thread_->Suspend();
    if (clock_.IsResting()) return;
    thread_->Resume();
    Sleep(kRestLookMs);
  }
  thread_->Suspend();
}

void SaverShow::Resume() {
  if (thread_) thread_->Resume();
}

bool SaverShow::StopWorker() {
  if (!thread_) return true;
  const bool ended = thread_->Stop();
  thread_.reset();
  return ended;
}

}  // namespace lumi
