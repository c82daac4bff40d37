#pragma once
// TForm1: the full-screen saver form. Black, top-most, covering the screen
// with the pointer hidden; it runs the animation thread, tells Windows that a
// saver is running, and ends on input once the password (if any) allows it.
#include <windows.h>

#include <memory>
#include <string>

#include "common/Form.h"
#include "common/Thread.h"
#include "plantsaver/animation/SpriteSheets.h"
#include "plantsaver/startup/ExitWatch.h"

namespace gulpleaf {

class TForm1 final : public zeb::Form {
 public:
  TForm1() = default;
  ~TForm1() override;

  bool CreateForm(HINSTANCE instance);
  // The sheets the actors draw from (the form's picture components).
  const SpriteSheets& Sheets() const { return *sheets_; }
  const std::string& StartError() const { return startError_; }

 protected:
  void OnShow() override;
  bool OnCloseQuery() override;
  void OnClose() override;

 private:
  bool OnApplicationMessage(MSG& msg);
  void StopAnimation();

  std::unique_ptr<SpriteSheets> sheets_;
  std::unique_ptr<zeb::Thread> animation_;
  ExitWatch exitWatch_;
  BOOL previousSaverRunning_ = FALSE;
  bool saverRunningSet_ = false;
  std::string startError_;
};

}  // namespace gulpleaf
