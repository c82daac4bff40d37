#include <gtest/gtest.h>
#include <windows.h>

#include <thread>
#include <vector>

#include "plantsaver/startup/Preview.h"
#include "tests/support/Process.h"
#include "tests/support/Screen.h"

namespace gulpleaf {
namespace {

using zebtest::PumpFor;

int MatchFrame(const std::vector<zebtest::Pixels>& frames, const zebtest::Pixels& shot) {
  for (size_t i = 0; i < frames.size(); ++i) {
    if (frames[i].data == shot.data) return static_cast<int>(i);
  }
  return -1;
}

TEST(Preview, BouncesThroughItsFramesCentredInTheParentAndEndsWithIt) {
  HINSTANCE self = GetModuleHandleA(nullptr);
  HBITMAP picture = LoadBitmapA(self, MAKEINTRESOURCEA(1));
  ASSERT_NE(picture, nullptr);
  std::vector<zebtest::Pixels> frames;
  for (int f = 0; f < 4; ++f) frames.push_back(zebtest::ReadBitmap(picture, 0, 89 * f, 120, 89));
  DeleteObject(picture);
  for (int i = 1; i < 4; ++i) ASSERT_NE(frames[0].data, frames[i].data) << "frames must differ";

  const int px = 40, py = 50, pw = 211, ph = 158;  // odd sizes: the centring truncates
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, px, py, pw, ph, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(parent, nullptr);
  PumpFor(100);
  std::thread preview([&] { RunPreview(self, parent); });

  HWND child = zebtest::WaitForChild(parent, "zebsaverpreview", "Zeb98", 10000);
  ASSERT_NE(child, nullptr);
  RECT cr;
  GetWindowRect(child, &cr);
  EXPECT_EQ(cr.left, px);
  EXPECT_EQ(cr.top, py);
  EXPECT_EQ(cr.right - cr.left, pw);
  EXPECT_EQ(cr.bottom - cr.top, ph);
  EXPECT_TRUE(GetWindowLongA(child, GWL_STYLE) & WS_DISABLED);

  const int fx = px + (pw - 120) / 2, fy = py + (ph - 89) / 2;
  std::vector<int> seen;
  DWORD start = GetTickCount();
  while (GetTickCount() - start < 15000 && seen.size() < 9) {
    PumpFor(5);
    int f = MatchFrame(frames, zebtest::CaptureScreen(fx, fy, 120, 89));
    if (f >= 0 && (seen.empty() || seen.back() != f)) seen.push_back(f);
  }
  ASSERT_GE(seen.size(), 5u) << "a step every 650 ms on average";
  EXPECT_EQ(seen[0], 0);
  int step = 1;
  for (size_t i = 1; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i], seen[i - 1] + step) << "at change " << i;
    if (seen[i] == 0 || seen[i] == 3) step = -step;
  }
  // One pixel off the centre in any direction does not match any frame.
  EXPECT_EQ(MatchFrame(frames, zebtest::CaptureScreen(fx + 1, fy, 120, 89)), -1);
  EXPECT_EQ(MatchFrame(frames, zebtest::CaptureScreen(fx, fy - 1, 120, 89)), -1);

  DestroyWindow(parent);
  DWORD waitStart = GetTickCount();
  bool ended = false;
  std::thread watcher([&] {
    preview.join();
    ended = true;
  });
  while (!ended && GetTickCount() - waitStart < 10000) PumpFor(20);
  ASSERT_TRUE(ended) << "the preview ends when its window is destroyed";
  watcher.join();
}

}  // namespace
}  // namespace gulpleaf
