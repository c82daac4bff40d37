#pragma once
// CSlideShow: the controller the saver window owns. Its worker decides which
// picture comes next, has the image pipeline prepare it, draws the change to
// it, its title and caption bar, asks the window for its sound and waits its
// display time out. The flags are shared with the window's thread; each has
// one writing side and is polled by the other.
#include <atomic>
#include <cstdint>
#include <string>

#include "slideshow/display/show/PlayList.h"
#include "slideshow/display/show/ShowParams.h"
#include "slideshow/display/show/ShowSeams.h"

namespace lumi {

struct ShowSeams {
  PictureCatalog& catalog;
  ShowStore& store;
  PictureSource& source;
  Presenter& presenter;
  SoundRequests& sound;
  ShowClock& clock;
  RandomSource& random;
};

inline constexpr char kNoPicturesText[] = "No pictures to display!";
inline constexpr char kProblemText[] = "A problem occured processing ";

class CSlideShow {
 public:
  explicit CSlideShow(const ShowSeams& seams) : seams_(seams) {}
  CSlideShow(const CSlideShow&) = delete;
  CSlideShow& operator=(const CSlideShow&) = delete;

  // Builds the play order and finds where the last run stopped. False when
  // there is nothing to show (the loop then only says so).
  bool Start(const ShowParams& params);
  // The worker thread's whole life: running is set for its duration.
  void RunWorker();
  // The loop itself, until stop is requested.
  void RunLoop();

  // Draws the change to the current picture if it is ready; the worker and
  // the window's repaint both use it, marking the effect as running meanwhile.
  void RunTransition(TransitionDrawer& drawer);
  // Sleeps in 100 ms slices so that a stop request is honoured within one.
  void WaitSliced(int milliseconds);

  void RequestStop() { stopRequested_ = true; }
  bool StopRequested() const { return stopRequested_; }
  const std::atomic<bool>& StopFlag() const { return stopRequested_; }
  // Set before the thread is created, so the window never mistakes a worker
  // that has not begun yet for one that has ended.
  void MarkThreadStarting() { threadRunning_ = true; }
  void MarkThreadEnded() { threadRunning_ = false; }
  bool IsThreadRunning() const { return threadRunning_; }
  bool IsFirstShown() const { return firstShown_; }
  bool IsLoading() const { return loading_; }
  bool IsPictureReady() const { return pictureReady_; }
  bool IsEffectRunning() const { return effectRunning_; }
  bool IsPictureShown() const { return pictureShown_; }
  void SetSuspended(bool suspended) { suspended_ = suspended; }
  bool IsSuspended() const { return suspended_; }

  const ShowParams& GetParams() const { return params_; }
  const CPlayList& GetPlayList() const { return playList_; }
  // Passes of the loop since the run began.
  int GetCycle() const { return cycle_; }

 private:
  // False when stop ended the loop before the picture was drawn.
  bool ShowNextPicture();
  void ShowReadyPicture(const ShowPicture& picture, std::uint32_t startMs);
  void ShowFailedPicture(const ShowPicture& picture);
  void RequestSound(const ShowPicture& picture);
  int SecondsLeft(const ShowPicture& picture, std::uint32_t startMs);

  ShowSeams seams_;
  ShowParams params_;
  CPlayList playList_;
  std::atomic<int> cycle_{0};
  int picturesShown_ = 0;
  bool soundStarted_ = false;

  std::atomic<bool> stopRequested_{false};
  std::atomic<bool> threadRunning_{false};
  std::atomic<bool> firstShown_{false};
  std::atomic<bool> loading_{false};
  std::atomic<bool> pictureReady_{false};
  std::atomic<bool> effectRunning_{false};
  std::atomic<bool> pictureShown_{false};
  std::atomic<bool> suspended_{false};
};

}  // namespace lumi
