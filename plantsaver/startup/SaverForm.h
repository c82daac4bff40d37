#pragma once
// TForm1: the full-screen saver form. Black, top-most, covering the screen
// with the pointer hidden; it runs the animation thread, tells Windows that a
// saver is running, and ends on input once the password (if any) allows it.
#include <windows.h>

#include <memory>
#include <string>

#include "common/Form.h"
#include "plantsaver/animation/AnimationHost.h"
#include "plantsaver/animation/SavThread.h"
#include "plantsaver/animation/SpriteSheets.h"
#include "plantsaver/startup/ExitWatch.h"

namespace gulpleaf {

// The animation's settings as the settings store keeps them.
class StoredAnimationSettings final : public AnimationSettingsSource {
 public:
  AnimationSettings Load() const override;
};

class TForm1 final : public zeb::Form, public AnimationSurface {
 public:
  TForm1() = default;
  ~TForm1() override;

  bool CreateForm(HINSTANCE instance);
  // The sheets the actors draw from (the form's picture components).
  const SpriteSheets& Sheets() const override { return *sheets_; }
  HDC Canvas() override { return Form::Canvas(); }
  int ClientWidth() const override { return Form::ClientWidth(); }
  int ClientHeight() const override { return Form::ClientHeight(); }
  const std::string& StartError() const { return startError_; }

 protected:
  void OnShow() override;
  bool OnCloseQuery() override;
  void OnClose() override;
  void OnPaint(HDC dc) override;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  bool OnApplicationMessage(MSG& msg);
  void StopAnimation();

  HINSTANCE instance_ = nullptr;
  std::unique_ptr<SpriteSheets> sheets_;
  StoredAnimationSettings settings_;
  std::unique_ptr<TsavThread> animation_;
  ExitWatch exitWatch_;
  BOOL previousSaverRunning_ = FALSE;
  bool saverRunningSet_ = false;
  std::string startError_;
};

}  // namespace gulpleaf
