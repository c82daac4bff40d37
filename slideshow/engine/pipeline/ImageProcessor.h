#pragma once
// CImageProcessor: runs the image pipeline on a CSlideImage (decode, overlay,
// enlarge, centre, grey, colour reduction, wallpaper), reporting progress to
// a window and honouring cancel requests.
#include <windows.h>

#include <memory>
#include <string>

#include "slideshow/engine/pipeline/ProgressStage.h"
#include "slideshow/engine/pipeline/SlideImage.h"

namespace lumi {

class PackageMemberSource;

// Processing flags.
inline constexpr int kProcessEnlarge = 1;
inline constexpr int kProcessReduceAlways = 2;
inline constexpr int kProcessReduceOnPalette = 4;
inline constexpr int kProcessWallpaper = 8;
inline constexpr int kProcessGrey = 16;

// Failure codes of the last run.
inline constexpr int kFailNone = 0;
inline constexpr int kFailLoad = 1;
inline constexpr int kFailEnlarge = 2;
// The picture was made but could not be written as the wallpaper bitmap (a
// Windows folder the program may not write, a full disk).
inline constexpr int kFailSave = 3;

// Non-zero: stop the work.
using CancelQuery = int (*)(void* context);

class CImageProcessor {
 public:
  explicit CImageProcessor(PackageMemberSource* package = nullptr) : package_(package) {}
  CImageProcessor(const CImageProcessor&) = delete;
  CImageProcessor& operator=(const CImageProcessor&) = delete;

  void SetCancelQuery(CancelQuery query, void* context);
  void SetOverlay(const std::string& path, int corner);
  void ClearOverlay();
  // Holding Escape aborts any stage, saving included.
  void SetEscapeCancels(bool on) { escapeCancels_ = on; }

  // Runs the pipeline; after a failure the image is empty.
  bool Process(CSlideImage& image, const std::string& reference, int flags, HWND progress,
               const RECT& area);
  // Makes the picture the desktop wallpaper, with progress in the dialog.
  bool MakeWallpaper(const std::string& reference, HWND progressDialog);

  int FailureCode() const { return failure_; }

 private:
  static int ProgressThunk(void* context, int totalCalls);
  int OnProgress(int totalCalls);
  void SetStatus(const char* text);
  // Tells the progress window; a stage that is not delivered is deleted here.
  void Report(UINT message, WPARAM wParam, std::unique_ptr<ProgressStage> stage = nullptr);

  PackageMemberSource* package_;
  CancelQuery cancelQuery_ = nullptr;
  void* cancelContext_ = nullptr;
  std::string status_;
  bool statusChanged_ = false;
  HWND progress_ = nullptr;
  bool cancelAllowed_ = true;
  bool cancelRequested_ = false;
  bool cantCancelReported_ = false;
  int calls_ = 0;
  bool escapeCancels_ = false;
  std::string overlayPath_;
  int overlayCorner_ = 0;
  int failure_ = kFailNone;
};

}  // namespace lumi
