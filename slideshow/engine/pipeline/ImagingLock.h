#pragma once
// The one lock that serialises all imaging work in the process. The
// slideshow thread and the main thread (painting, wallpapers, thumbnails)
// share the imaging module; a thread may take the lock again while holding
// it, as the pipeline's steps nest. The saver window reads the count of held
// locks to skip painting while an image operation is under way.
#include "slideshow/engine/imaging/ImagingApi.h"

namespace lumi {

void LockImaging();
void UnlockImaging();

// Locks held right now, by all threads together (nested ones counted each).
int ImagingLockCount();

// Holds the lock for a scope. Taken for an image, it also hands the image's
// progress function to the imaging module and, on release, gives the module
// back whatever function was installed before (none outside any lock), so a
// nested guard does not cut off the outer one's reports.
class ImagingLockGuard {
 public:
  ImagingLockGuard();
  ImagingLockGuard(imaging::ProgressFn function, void* context);
  ~ImagingLockGuard();
  ImagingLockGuard(const ImagingLockGuard&) = delete;
  ImagingLockGuard& operator=(const ImagingLockGuard&) = delete;

 private:
  bool hooked_ = false;
  imaging::ProgressFn previousFunction_ = nullptr;
  void* previousContext_ = nullptr;
};

}  // namespace lumi
