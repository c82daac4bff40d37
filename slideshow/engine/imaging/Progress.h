#pragma once

namespace lumi::imaging {

// One long operation's reports to the installed progress function. Each Step()
// is one of the total calls announced; it answers true once the function has
// asked to stop, and keeps answering true afterwards.
class ProgressStage {
 public:
  explicit ProgressStage(int totalCalls);
  bool Step();
  // Reports up to `done` calls in all, for work measured in other units.
  bool StepTo(long long done);
  bool Stopped() const { return stopped_; }
  int Total() const { return total_; }

 private:
  void* context_;
  int (*function_)(void*, int);
  int total_;
  long long made_ = 0;
  bool stopped_ = false;
};

void SetProgressFunction(void* context, int (*function)(void*, int));

}  // namespace lumi::imaging
