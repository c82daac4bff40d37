#pragma once
// The slideshow as the saver window runs it: the controller with its ties to
// the collections, the settings, the image pipeline, the window and a
// worker thread, put together once the window knows its place.
#include <windows.h>

#include <memory>

#include "slideshow/display/saver/PipelineSource.h"
#include "slideshow/display/saver/WindowPresenter.h"
#include "slideshow/display/show/CollectionCatalog.h"
#include "slideshow/display/show/SettingsShowStore.h"
#include "slideshow/display/show/SlideShow.h"
#include "slideshow/display/show/SlideShowThread.h"
#include "slideshow/display/show/SoundRequestMessage.h"
#include "slideshow/display/show/SystemShowClock.h"

namespace lumi {

class CCollectionList;
class CSaverSettings;
class PackageFiles;
class PackageMemberSource;

struct SaverShowTies {
  CSaverSettings& settings;
  const CCollectionList& collections;
  PackageFiles& files;
  PackageMemberSource& members;
};

class SaverShow {
 public:
  explicit SaverShow(const SaverShowTies& ties);
  ~SaverShow();
  SaverShow(const SaverShow&) = delete;
  SaverShow& operator=(const SaverShow&) = delete;

  // Builds the play order and begins the worker. False when the worker
  // could not be started.
  bool Start(HWND window, HWND progress, const ShowParams& params);

  // The controller's state as the window's repaint and close reads it; all
  // false before Start.
  bool IsStarted() const { return show_ != nullptr; }
  bool IsFirstShown() const { return show_ && show_->IsFirstShown(); }
  bool IsSuspended() const { return show_ && show_->IsSuspended(); }
  bool IsPictureReady() const { return show_ && show_->IsPictureReady(); }
  bool IsPictureShown() const { return show_ && show_->IsPictureShown(); }

  // Draws the current picture's change again on the window's paint context.
  void Repaint(HDC dc);
  void Suspend();
  void Resume();
  // Stop flag, then up to 20 looks 10 ms apart, then the worker is killed.
  // False when it had to be killed.
  bool StopWorker();

 private:
  SaverShowTies ties_;
  CollectionCatalog catalog_;
  SettingsShowStore store_;
  SystemShowClock clock_;
  CrtRandom random_;
  std::unique_ptr<WindowSoundRequests> sound_;
  std::unique_ptr<PipelineSource> source_;
  std::unique_ptr<WindowPresenter> presenter_;
  std::unique_ptr<CSlideShow> show_;
  std::unique_ptr<CSlideShowThread> thread_;
  RECT display_{};
  bool fullScreen_ = true;  // the small preview draws its changes as straight copies
};

}  // namespace lumi
