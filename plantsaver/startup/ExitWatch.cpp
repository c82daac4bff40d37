#include "plantsaver/startup/ExitWatch.h"

#include <cstdlib>

namespace gulpleaf {

bool ExitWatch::IsTrigger(const MSG& msg) const {
  switch (msg.message) {
    case WM_MOUSEMOVE: {
      // The words of lParam taken as unsigned numbers, as the message gives them.
      int x = LOWORD(msg.lParam);
      int y = HIWORD(msg.lParam);
      return std::abs(x - static_cast<int>(start_.x)) > kMoveTolerance ||
             std::abs(y - static_cast<int>(start_.y)) > kMoveTolerance;
    }
    // Character keys end the saver through their WM_CHAR, Alt combinations and
    // F10 through WM_SYSKEYDOWN; keys without a character (Shift, arrows) do not.
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

HookDecision ExitWatch::OnMessage(const MSG& msg) {
  HookDecision d;
  if (closePending_) {
    // The saver ends on the first message after a trigger, whatever it is.
    d.requestClose = true;
    return d;
  }
  closePending_ = IsTrigger(msg);
  d.handled = closePending_;
  if (msg.message == WM_SYSCOMMAND && (msg.wParam & 0xFFF0) == SC_SCREENSAVE) d.handled = true;
  return d;
}

}  // namespace gulpleaf
