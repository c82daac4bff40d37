#include "slideshow/display/show/SlideShow.h"

#include <algorithm>
#include <limits>

namespace lumi {

namespace {

constexpr int kSliceMs = 100;
constexpr int kRepaintPollMs = 50;
constexpr int kNoticeWaitMs = 2000;
// A display time from the collection file can be any integer; longer than
// this cannot be counted in milliseconds.
constexpr int kLongestWaitSeconds = std::numeric_limits<int>::max() / 1000;

}  // namespace

bool CSlideShow::Start(const ShowParams& params) {
  params_ = params;
  if (!params_.fullScreen) params_.imageDelay = kPreviewImageDelay;
  pictureReady_ = false;
  threadRunning_ = false;

  if (params_.randomOrder) {
    playList_.BuildShuffled(seams_.catalog, seams_.random);
  } else {
    playList_.BuildSequential(seams_.catalog);
  }
  const bool hasPictures = !playList_.IsEmpty();
  if (hasPictures) {
    PlayEntry stored;
    if (seams_.store.LoadStoredNext(stored)) playList_.ResumeAt(stored);
  }

  stopRequested_ = false;
  firstShown_ = false;
  effectRunning_ = false;
  return hasPictures;
}

void CSlideShow::RunWorker() {
  threadRunning_ = true;
  RunLoop();
  threadRunning_ = false;
}

void CSlideShow::RunLoop() {
  seams_.source.BeginRun();
  seams_.presenter.BeginRun();
  cycle_ = 0;
  soundStarted_ = false;
  picturesShown_ = 0;

  while (!stopRequested_) {
    // A picture's sound lasts only as long as the picture.
    if (soundStarted_) {
      seams_.sound.Stop();
      soundStarted_ = false;
    }
    ++cycle_;
    if (playList_.IsEmpty()) {
      if (params_.fullScreen) seams_.presenter.ShowNotice(kNoPicturesText);
      WaitSliced(kNoticeWaitMs);
      continue;
    }
    if (!ShowNextPicture()) break;
  }

  seams_.presenter.EndRun();
  seams_.source.EndRun();
}

bool CSlideShow::ShowNextPicture() {
  pictureReady_ = false;
  pictureShown_ = false;
  PlayEntry entry;
  playList_.Next(entry);
  // A fresh record for every picture: one the collection cannot give any
  // more must not bring back the previous picture.
  ShowPicture picture;
  picture.entry = entry;
  const bool known = seams_.catalog.ReadPicture(entry, picture);
  const std::uint32_t startMs = seams_.clock.NowMilliseconds();

  // The window's repaint may be drawing the previous picture again; the
  // current picture must not change under it.
  while (effectRunning_ && !stopRequested_) seams_.clock.Sleep(kRepaintPollMs);

  const bool first = picturesShown_ == 0;
  loading_ = true;
  pictureReady_ = known && seams_.source.Load(picture, first);
  loading_ = false;
  if (first) {
    seams_.presenter.HideProgress();
    firstShown_ = true;
  }
  if (stopRequested_) return false;

  seams_.presenter.SavePictureState();
  if (pictureReady_) {
    ShowReadyPicture(picture, startMs);
  } else {
    ShowFailedPicture(picture);
  }
  ++picturesShown_;
  seams_.presenter.RestorePictureState();
  return true;
}

void CSlideShow::ShowReadyPicture(const ShowPicture& picture, std::uint32_t startMs) {
  // Stored before drawing, so a run ended during this picture resumes after it.
  PlayEntry following;
  if (playList_.Current(following)) seams_.store.SaveNextPicture(following);

  if (picturesShown_ == 0 || seams_.source.OnPaletteDisplay()) seams_.presenter.ClearScreen();
  RequestSound(picture);

  pictureReady_ = seams_.source.MakeDisplayable();
  if (pictureReady_) RunTransition(seams_.presenter);
  pictureShown_ = true;

  if (params_.fullScreen && params_.showTitles && !picture.title.empty()) {
    seams_.presenter.DrawTitle(picture.title);
  }
  if (stopRequested_) return;

  const int seconds = SecondsLeft(picture, startMs);
  const std::string message = params_.fullScreen ? seams_.store.NextMessage() : std::string();
  if (message.empty()) {
    WaitSliced(std::min(seconds, kLongestWaitSeconds) * 1000);
  } else {
    seams_.presenter.ShowCaptionAndWait(seconds, message);
  }
}

void CSlideShow::ShowFailedPicture(const ShowPicture& picture) {
  if (params_.fullScreen) seams_.presenter.ShowNotice(kProblemText + picture.imageRef);
  // At least one wait: with every picture failing, a short delay must not
  // turn the loop into a spin.
  const int waits = std::max(1, (params_.imageDelay + 1) / 2);
  for (int i = 0; i < waits && !stopRequested_; ++i) WaitSliced(kNoticeWaitMs);
}

void CSlideShow::RequestSound(const ShowPicture& picture) {
  if (!params_.fullScreen || picture.soundName.empty() || !seams_.store.UseSoundEffects()) return;
  seams_.sound.Stop();
  seams_.sound.Play(picture.soundName, picture.repeatSound != 0);
  soundStarted_ = true;
}

int CSlideShow::SecondsLeft(const ShowPicture& picture, std::uint32_t startMs) {
  // Loading and the transition count against the display time. A display
  // time below 1 is not a time and means the general delay, as 0 does.
  const int showFor = picture.displayTime > 0 ? picture.displayTime : params_.imageDelay;
  // Unsigned difference: correct across the tick count's wrap.
  const std::uint32_t elapsedMs = seams_.clock.NowMilliseconds() - startMs;
  const auto elapsed = static_cast<long long>(elapsedMs / 1000);
  return static_cast<int>(std::max(0LL, static_cast<long long>(showFor) - elapsed));
}

void CSlideShow::RunTransition(TransitionDrawer& drawer) {
  effectRunning_ = true;
  if (pictureReady_) drawer.DrawTransition(stopRequested_);
  effectRunning_ = false;
}

void CSlideShow::WaitSliced(int milliseconds) {
  while (milliseconds > 0 && !stopRequested_) {
    seams_.clock.Sleep(kSliceMs);
    milliseconds -= kSliceMs;
  }
}

}  // namespace lumi
