#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <set>

#include "slideshow/engine/imaging/ImagingApi.h"
#include "tests/slideshow/imaging/TestPictures.h"

namespace lumi::imaging::test {
namespace {

// Counts the calls and answers "stop" on call stopAt (0: never).
struct Recorder {
  int calls = 0;
  int stopAt;
  std::set<int> totals;

  explicit Recorder(int stop) : stopAt(stop) { ImgSetProgress(this, &Report, 1, 0, 0); }
  ~Recorder() { ImgSetProgress(nullptr, nullptr, 0, 0, 0); }
  static int Report(void* context, int total) {
    Recorder& r = *static_cast<Recorder*>(context);
    r.totals.insert(total);
    return ++r.calls == r.stopAt ? 1 : 0;
  }
};

// Every long operation is one stage: it announces one total and makes exactly
// that many calls; after a stop answer it makes no more, fails, and leaves
// the image (and the saved file, and the handle table) as they were.
TEST(Progress, OperationsReportTheirCallsAndHonourStop) {
  const std::vector<std::uint8_t> jpeg = ReadDataFile("progressive.jpg");
  const std::string saved = TempPath("stopped.bmp");
  const std::pair<const char*, std::function<int(int)>> operations[] = {
      {"decode", [&](int) { return ImgDecodeMemory(jpeg.data(), jpeg.size()); }},
      {"smooth", [](int h) { return ImgResizeSmooth(h, 300, 200); }},
      {"smooth on two threads", [](int h) { return ImgResizeSmooth(h, 800, 600); }},
      {"plain", [](int h) { return ImgResize(h, 300, 200); }},
      {"grey", [](int h) { return ImgToGrey(h); }},
      {"reduce", [](int h) { return ImgReduceColors(h, 8, 0, 236); }},
      {"low colour", [](int h) { return ImgReduceLowColor(h); }},
      {"save", [&](int h) { return ImgSaveFile(h, saved.c_str(), kSaveWindowsBitmap); }},
  };
  for (const auto& [name, run] : operations) {
    const int handle = ImgDecodeMemory(jpeg.data(), jpeg.size());
    const Image before = ReadBack(handle);
    {
      Recorder r(0);
      int result = run(handle);
      EXPECT_GE(result, 0) << name;
      if (result > handle) ImgFree(result);
      ASSERT_EQ(r.totals.size(), 1u) << name;
      EXPECT_EQ(r.calls, *r.totals.begin()) << name;
      if (std::string(name) == "decode") {
        EXPECT_EQ(r.calls, 37);  // one per picture row
      }
    }
    ImgFree(handle);
    const int again = ImgDecodeMemory(jpeg.data(), jpeg.size());
    std::remove(saved.c_str());
    const int live = ImgLiveCount();
    {
      Recorder r(1);
      EXPECT_EQ(run(again), kImgErrStopped) << name;
      EXPECT_EQ(r.calls, 1) << name;
    }
    EXPECT_EQ(ImgLiveCount(), live) << name;
    EXPECT_EQ(MeanAbsDifference(ReadBack(again), before), 0.0) << name;
    EXPECT_EQ(std::fopen(saved.c_str(), "rb"), nullptr) << name;
    ImgFree(again);
  }
}

}  // namespace
}  // namespace lumi::imaging::test
