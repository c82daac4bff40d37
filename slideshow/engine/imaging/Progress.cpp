#include "slideshow/engine/imaging/Progress.h"

#include <algorithm>
#include <mutex>

namespace lumi::imaging {
namespace {

struct Hook {
  std::mutex mutex;
  void* context = nullptr;
  int (*function)(void*, int) = nullptr;
};

Hook& TheHook() {
  static Hook hook;
  return hook;
}

}  // namespace

void SetProgressFunction(void* context, int (*function)(void*, int)) {
  Hook& hook = TheHook();
  std::lock_guard lock(hook.mutex);
  hook.context = context;
  hook.function = function;
}

ProgressStage::ProgressStage(int totalCalls) : total_(std::max(totalCalls, 1)) {
  Hook& hook = TheHook();
  std::lock_guard lock(hook.mutex);
  context_ = hook.context;
  function_ = hook.function;
}

bool ProgressStage::Step() {
  if (stopped_) return true;
  if (made_ >= total_) return false;
  ++made_;
  if (function_ != nullptr && function_(context_, total_) != 0) stopped_ = true;
  return stopped_;
}

bool ProgressStage::StepTo(long long done) {
  done = std::min<long long>(done, total_);
  while (made_ < done && !stopped_) Step();
  return stopped_;
}

}  // namespace lumi::imaging
