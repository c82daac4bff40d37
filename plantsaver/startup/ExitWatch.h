#pragma once
// The saver form's input rules: which queued messages arm the saver's end,
// which are swallowed, and when the form is asked to close.
#include <windows.h>

namespace gulpleaf {

struct HookDecision {
  bool requestClose = false;  // ask the form to close now (runs the close query)
  bool handled = false;       // discard the message
};

class ExitWatch {
 public:
  // The pointer position the movement rule measures from.
  void SetStart(POINT start) { start_ = start; }
  POINT Start() const { return start_; }
  bool ClosePending() const { return closePending_; }
  void ClearClosePending() { closePending_ = false; }

  HookDecision OnMessage(const MSG& msg);

  // More than this many pixels along either axis from the start ends the saver.
  static constexpr int kMoveTolerance = 5;

 private:
  bool IsTrigger(const MSG& msg) const;

  POINT start_{0, 0};
  bool closePending_ = false;
};

}  // namespace gulpleaf
