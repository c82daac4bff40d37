#include "slideshow/engine/pipeline/ImageProcessor.h"

#include <ctime>

#include "slideshow/engine/pipeline/DesktopWallpaper.h"
#include "slideshow/engine/settings/SaverSettings.h"

namespace lumi {
namespace {

// One progress message per this many progress calls of the imaging module.
constexpr int kCallsPerStep = 48;
// How long a cross-thread notification gives the window to catch up.
constexpr LONGLONG kNotifyPauseMs = 10;

// Notifications this thread handed to another thread's window that it has not
// handled yet. Only this thread changes it: the system runs the completion
// callback on the sending thread, while it looks at its own queue.
thread_local int pendingNotifications = 0;

void CALLBACK NotificationHandled(HWND, UINT, ULONG_PTR, LRESULT) noexcept {
  if (pendingNotifications > 0) --pendingNotifications;
}

// Runs the completion callbacks that have arrived, then answers whether the
// window still has one of this thread's notifications to handle.
bool NotificationWaiting() {
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
  return pendingNotifications > 0;
}

LONGLONG Ticks() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

// Gives the window its time to catch up, but no longer than it needs: the
// wait ends as soon as the window has handled every notification of this
// thread (its completion callback wakes the thread), and after the pause at
// the latest. True when nothing is left waiting.
bool CatchUp() {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  const LONGLONG end = Ticks() + frequency.QuadPart * kNotifyPauseMs / 1000;
  while (NotificationWaiting()) {
    const LONGLONG left = end - Ticks();
    if (left <= 0) return false;
    const auto ms = static_cast<DWORD>(left * 1000 / frequency.QuadPart + 1);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
  }
  return true;
}

}  // namespace

void CImageProcessor::SetCancelQuery(CancelQuery query, void* context) {
  cancelQuery_ = query;
  cancelContext_ = context;
}

void CImageProcessor::SetOverlay(const std::string& path, int corner) {
  overlayPath_ = path;
  overlayCorner_ = corner;
}

void CImageProcessor::ClearOverlay() {
  overlayPath_.clear();
  overlayCorner_ = 0;
}

void CImageProcessor::SetStatus(const char* text) {
  status_ = text;
  statusChanged_ = true;
}

bool CImageProcessor::Process(CSlideImage& image, const std::string& reference, int flags,
                              HWND progress, const RECT& area) {
  progress_ = progress;
  cancelAllowed_ = true;
  cantCancelReported_ = false;
  failure_ = kFailNone;
  pendingNotifications = 0;
  image.SetProgressHook(&CImageProcessor::ProgressThunk, this);

  bool result = false;
  SetStatus("Decompressing...");
  if (!image.Load(reference, package_)) {
    failure_ = kFailLoad;
  } else {
    // A missing or broken overlay graphic does not cost the picture.
    if (!overlayPath_.empty()) image.StampOverlay(overlayPath_, overlayCorner_);
    bool ok = true;
    if (flags & kProcessEnlarge) {
      SetStatus("Enlarging...");
      if (!image.Enlarge(area, true)) {
        failure_ = kFailEnlarge;
        ok = false;
      }
    }
    if (ok) {
      image.Centre(area);
      if (flags & kProcessGrey) {
        SetStatus("Optimizing...");
        ok = image.ToGrey();
      }
    }
    if (ok && ((flags & kProcessReduceAlways) ||
               ((flags & kProcessReduceOnPalette) && DisplayColourCount() <= 256))) {
      SetStatus("Optimizing...");
      ok = image.ReduceColours();
    }
    result = ok;
    if (ok && (flags & kProcessWallpaper)) {
      const std::string path = WallpaperFilePath();
      // The old wallpaper file is being overwritten: stopping half way would
      // leave the desktop without a picture, so a cancel only keeps the new
      // one from being applied.
      cancelAllowed_ = false;
      SetStatus("Saving...");
      result = image.SaveAs(path);
      if (result && !cancelRequested_) {
        SetWallpaperFile(true);
        GetSaverSettings().SetLastWallpaperChange(std::time(nullptr));
      }
      if (!result) {
        failure_ = kFailSave;
        cancelAllowed_ = true;
      }
    }
  }

  if (cancelRequested_) result = false;
  cancelRequested_ = false;
  cancelAllowed_ = true;
  status_.clear();
  statusChanged_ = false;
  progress_ = nullptr;
  image.SetProgressHook(nullptr, nullptr);
  if (!result) image.Free();
  return result;
}

bool CImageProcessor::MakeWallpaper(const std::string& reference, HWND progressDialog) {
  RECT area{};
  GetClientRect(GetDesktopWindow(), &area);
  const CSaverSettings& settings = GetSaverSettings();
  int flags = kProcessWallpaper | kProcessReduceOnPalette;
  if (settings.GetEnlargeWallpaperPics()) flags |= kProcessEnlarge;
  if (settings.GetWallpaperBlackAndWhite()) flags |= kProcessGrey;
  const bool escapeCancels = escapeCancels_;
  escapeCancels_ = true;
  CSlideImage image;
  const bool made = Process(image, reference, flags, progressDialog, area);
  escapeCancels_ = escapeCancels;
  // Applied once more: the desktop may have been redrawn from the old file
  // while the new one was written.
  if (made) SetWallpaperFile(true);
  return made;
}

int CImageProcessor::ProgressThunk(void* context, int totalCalls) {
  return static_cast<CImageProcessor*>(context)->OnProgress(totalCalls);
}

int CImageProcessor::OnProgress(int totalCalls) {
  if (statusChanged_) {
    statusChanged_ = false;
    if (progress_ != nullptr) {
      calls_ = 0;
      auto stage = std::make_unique<ProgressStage>();
      stage->text = status_;
      stage->steps = totalCalls / kCallsPerStep;
      Report(kProgressNewStage, 0, std::move(stage));
    }
  } else if (progress_ != nullptr && (calls_ % kCallsPerStep == 0 || calls_ == totalCalls - 1)) {
    Report(kProgressStep, 0);
  }
  ++calls_;

  int answer = 0;
  if (cancelQuery_ != nullptr) {
    answer = cancelQuery_(cancelContext_);
    if (answer != 0) {
      cancelRequested_ = true;
      if (!cancelAllowed_) {
        if (!cantCancelReported_) {
          cantCancelReported_ = true;
          Report(kProgressShow, 1);
        }
        answer = 0;
      }
    }
  }
  if (escapeCancels_ && (GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0) return -1;
  return answer;
}

void CImageProcessor::Report(UINT message, WPARAM wParam, std::unique_ptr<ProgressStage> stage) {
  if (progress_ == nullptr) return;
  if (GetWindowThreadProcessId(progress_, nullptr) == GetCurrentThreadId()) {
    SendMessageA(progress_, message, wParam, reinterpret_cast<LPARAM>(stage.release()));
    return;
  }
  // Another thread's window: a notice it has not handled yet is not queued
  // behind, so a busy dialog never falls further behind the work. The
  // completion callback says when it was handled.
  if (!CatchUp()) return;
  if (SendMessageCallbackA(progress_, message, wParam, reinterpret_cast<LPARAM>(stage.get()),
                           &NotificationHandled, 0)) {
    stage.release();
    ++pendingNotifications;
  }
  CatchUp();
}

}  // namespace lumi
