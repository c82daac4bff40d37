#include <gtest/gtest.h>

#include "plantsaver/startup/ExitWatch.h"

namespace gulpleaf {
namespace {

MSG Message(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  MSG m{};
  m.message = message;
  m.wParam = wParam;
  m.lParam = lParam;
  return m;
}

MSG MouseAt(int x, int y) { return Message(WM_MOUSEMOVE, 0, MAKELPARAM(x, y)); }

class ExitWatchTest : public ::testing::Test {
 protected:
  void SetUp() override { watch.SetStart(POINT{400, 300}); }
  ExitWatch watch;
};

TEST_F(ExitWatchTest, MovementWithinFivePixelsNeverArms) {
  for (int dx = -5; dx <= 5; ++dx) {
    for (int dy = -5; dy <= 5; ++dy) {
      HookDecision d = watch.OnMessage(MouseAt(400 + dx, 300 + dy));
      ASSERT_FALSE(d.handled);
      ASSERT_FALSE(d.requestClose);
      ASSERT_FALSE(watch.ClosePending());
    }
  }
}

TEST_F(ExitWatchTest, SixPixelsAlongOneAxisArmsAndIsSwallowed) {
  const POINT moves[] = {{406, 300}, {394, 300}, {400, 306}, {400, 294}};
  for (POINT p : moves) {
    ExitWatch w;
    w.SetStart(POINT{400, 300});
    HookDecision d = w.OnMessage(MouseAt(p.x, p.y));
    EXPECT_TRUE(d.handled);
    EXPECT_FALSE(d.requestClose);
    EXPECT_TRUE(w.ClosePending());
  }
}

TEST_F(ExitWatchTest, WhichMessagesTrigger) {
  struct Case {
    UINT message;
    bool trigger;
  } cases[] = {
      {WM_CHAR, true},          {WM_SYSKEYDOWN, true},   {WM_LBUTTONDOWN, true},
      {WM_RBUTTONDOWN, true},   {WM_MBUTTONDOWN, true},  {WM_KEYDOWN, false},
      {WM_KEYUP, false},        {WM_LBUTTONUP, false},   {WM_MOUSEWHEEL, false},
      {WM_TIMER, false},        {WM_PAINT, false},       {WM_NULL, false},
  };
  for (const Case& c : cases) {
    ExitWatch w;
    HookDecision d = w.OnMessage(Message(c.message));
    EXPECT_EQ(w.ClosePending(), c.trigger) << std::hex << c.message;
    EXPECT_EQ(d.handled, c.trigger) << std::hex << c.message;
  }
}

TEST_F(ExitWatchTest, ShiftAloneKeepsRunningALetterEndsOnTheNextMessage) {
  EXPECT_FALSE(watch.OnMessage(Message(WM_KEYDOWN, VK_SHIFT)).handled);
  EXPECT_FALSE(watch.OnMessage(Message(WM_KEYUP, VK_SHIFT)).requestClose);
  EXPECT_FALSE(watch.OnMessage(Message(WM_KEYDOWN, 'A')).handled);
  HookDecision ch = watch.OnMessage(Message(WM_CHAR, 'a'));
  EXPECT_TRUE(ch.handled);  // the letter is not passed on
  EXPECT_FALSE(ch.requestClose);
  HookDecision next = watch.OnMessage(Message(WM_KEYUP, 'A'));
  EXPECT_TRUE(next.requestClose);
  EXPECT_FALSE(next.handled);  // the closing message itself goes on
}

TEST_F(ExitWatchTest, ANonTriggerDisarmsOnlyBeforeTheNextMessageIsSeen) {
  // Armed, then the very next message asks to close, whatever it is.
  watch.OnMessage(MouseAt(500, 300));
  EXPECT_TRUE(watch.OnMessage(Message(WM_NULL)).requestClose);
  // After a refused close the owner clears the flag and a new start applies.
  watch.ClearClosePending();
  watch.SetStart(POINT{500, 300});
  EXPECT_FALSE(watch.OnMessage(MouseAt(504, 304)).handled);
  EXPECT_TRUE(watch.OnMessage(MouseAt(500, 307)).handled);
}

TEST_F(ExitWatchTest, ScreenSaveCommandIsAlwaysSwallowed) {
  HookDecision d = watch.OnMessage(Message(WM_SYSCOMMAND, SC_SCREENSAVE));
  EXPECT_TRUE(d.handled);
  EXPECT_FALSE(watch.ClosePending());
  EXPECT_FALSE(watch.OnMessage(Message(WM_SYSCOMMAND, SC_CLOSE)).handled);
}

TEST_F(ExitWatchTest, MouseWordsAreUnsigned) {
  // A position left of the screen arrives as a large unsigned word: far away.
  watch.SetStart(POINT{2, 2});
  EXPECT_TRUE(watch.OnMessage(Message(WM_MOUSEMOVE, 0, MAKELPARAM(-1, 2))).handled);
}

}  // namespace
}  // namespace gulpleaf
