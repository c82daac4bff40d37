#include <gtest/gtest.h>

#include "slideshow/display/captions/CaptionBar.h"
#include "slideshow/display/captions/Notice.h"
#include "slideshow/display/captions/Title.h"
#include "tests/slideshow/captions/StepTimer.h"
#include "tests/support/GdiCount.h"
#include "tests/support/slideshow/Canvas.h"

namespace lumi {
namespace {

// A saver runs for hours, drawing these once per picture on one context.
TEST(CaptionsGdi, ManyPicturesLeaveNoHandlesBehind) {
  test::Canvas canvas(320, 240);
  const HGDIOBJ fontBefore = GetCurrentObject(canvas.Dc(), OBJ_FONT);
  const HGDIOBJ penBefore = GetCurrentObject(canvas.Dc(), OBJ_PEN);
  const HGDIOBJ brushBefore = GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
  int n = 0;
  NoticeRandom random = [&n] { return n++; };
  {
    CaptionFont font;
    test::StepTimer warmUp;
    ShowCaptionAndWait(canvas.Dc(), canvas.Rect(), 0, "warm up", font, warmUp);
  }
  const DWORD before = zebtest::LiveGdiObjects();
  ASSERT_GT(before, 0u);
  {
    CaptionFont font;
    for (int i = 0; i < 300; ++i) {
      DrawTitle(canvas.Dc(), canvas.Rect(), "Title");
      test::StepTimer timer;
      ShowCaptionAndWait(canvas.Dc(), canvas.Rect(), i % 2, "Message " + std::to_string(i), font,
                         timer);
      DrawNotice(canvas.Dc(), canvas.Rect(), "No pictures to display!", i, nullptr, random);
    }
  }
  EXPECT_EQ(zebtest::LiveGdiObjects(), before);
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_FONT), fontBefore);
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), penBefore);
  EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), brushBefore);
}

}  // namespace
}  // namespace lumi
