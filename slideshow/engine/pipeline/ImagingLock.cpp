#include "slideshow/engine/pipeline/ImagingLock.h"

#include <atomic>
#include <mutex>

namespace lumi {
namespace {

struct ImagingState {
  std::recursive_mutex mutex;
  std::atomic<int> held{0};
  // The progress function the module holds; changed only under the lock.
  imaging::ProgressFn function = nullptr;
  void* context = nullptr;
};

ImagingState& State() {
  static ImagingState state;
  return state;
}

void InstallProgress(imaging::ProgressFn function, void* context) {
  ImagingState& state = State();
  state.function = function;
  state.context = context;
  if (function != nullptr) {
    imaging::ImgSetProgress(context, function, 1, 0, 0);
  } else {
    imaging::ImgSetProgress(nullptr, nullptr, 0, 0, 0);
  }
}

}  // namespace

void LockImaging() {
  State().mutex.lock();
  State().held.fetch_add(1);
}

void UnlockImaging() {
  State().held.fetch_sub(1);
  State().mutex.unlock();
}

int ImagingLockCount() { return State().held.load(); }

ImagingLockGuard::ImagingLockGuard() { LockImaging(); }

ImagingLockGuard::ImagingLockGuard(imaging::ProgressFn function, void* context) : hooked_(true) {
  LockImaging();
  previousFunction_ = State().function;
  previousContext_ = State().context;
  InstallProgress(function, context);
}

ImagingLockGuard::~ImagingLockGuard() {
  if (hooked_) InstallProgress(previousFunction_, previousContext_);
  UnlockImaging();
}

}  // namespace lumi
