#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <thread>

#include "slideshow/engine/pipeline/ImageProcessor.h"
#include "slideshow/engine/pipeline/ImagingLock.h"
#include "tests/slideshow/pipeline/PipelineFixture.h"
#include "tests/support/slideshow/TestBitmaps.h"

// Live allocations of the whole test program, to see that every stage record
// the pipeline makes is deleted by someone.
namespace {
std::atomic<long> liveAllocations{0};
}

void* operator new(std::size_t size) {
  void* p = std::malloc(size != 0 ? size : 1);
  if (p == nullptr) throw std::bad_alloc();
  ++liveAllocations;
  return p;
}
void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  --liveAllocations;
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace lumi {
namespace {

struct Counted {
  std::atomic<int> calls{0};
};

int CountQuery(void* context) {
  ++static_cast<Counted*>(context)->calls;
  return 0;
}

class ProgressReportTest : public testing::Test {
 protected:
  void SetUp() override {
    SetDisplayColourCountForTesting(1 << 24);
    picture_ = test::WriteScratchFile(
        "progress.bmp", test::MakeBitmapFile(320, 210, [](int x, int y) {
          return test::Rgb8{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 0};
        }));
  }
  void TearDown() override {
    SetDisplayColourCountForTesting(0);
    EXPECT_EQ(ImagingLockCount(), 0);
  }
  bool Run(CImageProcessor& processor, HWND window) {
    CSlideImage image;
    return processor.Process(image, picture_, kProcessEnlarge, window, area_);
  }
  std::string picture_;
  const RECT area_{0, 0, 1024, 768};
};

TEST_F(ProgressReportTest, SameThreadWindowGetsThinnedStepsAtOnce) {
  test::ProgressRecorder recorder;
  Counted counted;
  CImageProcessor processor;
  processor.SetCancelQuery(&CountQuery, &counted);
  ASSERT_TRUE(Run(processor, recorder.Window()));
  // Sent, not posted: everything arrived before the run returned.
  const int calls = counted.calls;
  ASSERT_GT(calls, 2 * 48);
  ASSERT_FALSE(recorder.stageTexts.empty());
  EXPECT_NE(std::find(recorder.stageTexts.begin(), recorder.stageTexts.end(), "Enlarging..."),
            recorder.stageTexts.end());
  const int stages = static_cast<int>(recorder.stageTexts.size());
  // One step per 48 progress calls, plus the last call of each stage.
  EXPECT_GE(recorder.steps, calls / 48 - stages);
  EXPECT_LE(recorder.steps, calls / 48 + 2 * stages);
  for (int steps : recorder.stageSteps) EXPECT_GE(steps, 0);

  // Without a window nothing is reported, and the run still works.
  test::ProgressRecorder idle;
  ASSERT_TRUE(Run(processor, nullptr));
  test::ProgressRecorder::Pump();
  EXPECT_EQ(idle.steps, 0);
}

TEST_F(ProgressReportTest, WindowOfABusyThreadGetsNoQueueAndNothingLeaks) {
  test::ProgressRecorder recorder;
  recorder.stageTexts.reserve(64);
  recorder.stageSteps.reserve(64);
  CImageProcessor processor;
  Counted counted;
  processor.SetCancelQuery(&CountQuery, &counted);
  ASSERT_TRUE(Run(processor, recorder.Window()));  // warms up the module's tables
  const int sameThreadReports = recorder.steps + static_cast<int>(recorder.stageTexts.size());
  recorder.steps = 0;
  recorder.stageTexts.clear();
  recorder.stageSteps.clear();

  const long before = liveAllocations;
  bool ok = false;
  // This thread does not look at its queue until the worker is done.
  std::thread worker([&] { ok = Run(processor, recorder.Window()); });
  worker.join();
  test::ProgressRecorder::Pump();
  const int received = recorder.steps + static_cast<int>(recorder.stageTexts.size());
  recorder.stageTexts.clear();  // its copies of the texts
  // Taken before any assertion, which may allocate its message.
  const long leaked = liveAllocations - before;
  EXPECT_TRUE(ok);
  EXPECT_GE(received, 1);
  EXPECT_LT(received, sameThreadReports);
  EXPECT_EQ(leaked, 0);
}

TEST_F(ProgressReportTest, WindowOfAPumpingThreadGetsTheReports) {
  // The window lives on a thread of its own that keeps handling messages,
  // as the processing dialog does beside the slideshow thread.
  std::atomic<HWND> window{nullptr};
  std::atomic<bool> done{false};
  int stages = 0, steps = 0;
  std::thread ui([&] {
    test::ProgressRecorder own;
    window = own.Window();
    while (!done) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
      test::ProgressRecorder::Pump();
    }
    test::ProgressRecorder::Pump();
    stages = static_cast<int>(own.stageTexts.size());
    steps = own.steps;
  });
  while (window == nullptr) Sleep(1);
  CImageProcessor processor;
  EXPECT_TRUE(Run(processor, window));
  done = true;
  ui.join();
  EXPECT_GE(stages, 1);
  EXPECT_GE(steps, 1);
}

}  // namespace
}  // namespace lumi
