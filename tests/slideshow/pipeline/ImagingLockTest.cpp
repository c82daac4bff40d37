#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "slideshow/engine/pipeline/ImagingLock.h"
#include "tests/support/slideshow/TestBitmaps.h"

namespace lumi {
namespace {

struct Calls {
  int count = 0;
};

int CountCall(void* context, int) {
  ++static_cast<Calls*>(context)->count;
  return 0;
}

// A picture in the imaging module; resizing it reports progress.
class Picture {
 public:
  Picture() {
    const std::vector<std::uint8_t> bmp = test::SolidBitmapFile(64, 48, {10, 20, 30});
    handle_ = imaging::ImgDecodeMemory(bmp.data(), bmp.size());
  }
  ~Picture() { imaging::ImgFree(handle_); }
  int Resize() {
    size_ = size_ == 32 ? 40 : 32;
    return imaging::ImgResizeSmooth(handle_, size_, size_);
  }
  int handle_;
  int size_ = 64;
};

TEST(ImagingLock, CountsNestedLocksAndReturnsToZero) {
  EXPECT_EQ(ImagingLockCount(), 0);
  {
    ImagingLockGuard outer;
    EXPECT_EQ(ImagingLockCount(), 1);
    {
      ImagingLockGuard inner(&CountCall, nullptr);
      EXPECT_EQ(ImagingLockCount(), 2);
    }
    EXPECT_EQ(ImagingLockCount(), 1);
  }
  EXPECT_EQ(ImagingLockCount(), 0);
}

TEST(ImagingLock, HookIsInstalledForTheScopeAndRestoredWhenNested) {
  Picture picture;
  ASSERT_GE(picture.handle_, 0);
  Calls outer, inner;
  {
    ImagingLockGuard outerLock(&CountCall, &outer);
    ASSERT_EQ(picture.Resize(), imaging::kImgOk);
    const int afterFirst = outer.count;
    EXPECT_GT(afterFirst, 0);
    {
      ImagingLockGuard innerLock(&CountCall, &inner);
      ASSERT_EQ(picture.Resize(), imaging::kImgOk);
    }
    EXPECT_GT(inner.count, 0);
    EXPECT_EQ(outer.count, afterFirst);
    // The outer image's reports go on after the nested step released.
    ASSERT_EQ(picture.Resize(), imaging::kImgOk);
    EXPECT_GT(outer.count, afterFirst);
  }
  const int outerTotal = outer.count, innerTotal = inner.count;
  ASSERT_EQ(picture.Resize(), imaging::kImgOk);
  EXPECT_EQ(outer.count, outerTotal);
  EXPECT_EQ(inner.count, innerTotal);
}

TEST(ImagingLock, TwoThreadsNeverOverlapAndTheCountStaysConsistent) {
  std::atomic<int> inside{0};
  std::atomic<int> overlaps{0};
  std::atomic<int> badCounts{0};
  auto work = [&] {
    for (int i = 0; i < 2000; ++i) {
      ImagingLockGuard lock;
      ImagingLockGuard nested;
      if (inside.fetch_add(1) != 0) ++overlaps;
      // Only this thread holds locks now: its own two.
      if (ImagingLockCount() != 2) ++badCounts;
      inside.fetch_sub(1);
    }
  };
  std::thread a(work), b(work);
  a.join();
  b.join();
  EXPECT_EQ(overlaps.load(), 0);
  EXPECT_EQ(badCounts.load(), 0);
  EXPECT_EQ(ImagingLockCount(), 0);
}

}  // namespace
}  // namespace lumi
