#include "plantsaver/startup/SaverForm.h"

#include "common/Application.h"
#include "plantsaver/animation/SavThread.h"
#include "plantsaver/startup/PasswordServices.h"
#include "plantsaver/startup/Random.h"

namespace gulpleaf {

TForm1::~TForm1() { StopAnimation(); }

bool TForm1::CreateForm(HINSTANCE instance) {
  sheets_ = std::make_unique<SpriteSheets>(instance);
  zeb::FormStyle style;
  style.caption = "gulpleaf saver";
  style.bordered = false;
  style.topMost = true;
  style.x = 0;
  style.y = 0;
  style.width = GetSystemMetrics(SM_CXSCREEN);
  style.height = GetSystemMetrics(SM_CYSCREEN);
  return Create(style);
}

void TForm1::OnShow() {
  SeedProcessRandomFromTime();
  SetColor(RGB(0, 0, 0));
  startError_.clear();
  exitWatch_.ClearClosePending();

  zeb::Application& app = zeb::Application::Instance();
  ShowWindow(app.Handle(), SW_HIDE);
  Maximize();
  BringToFront();
  SetCursorHidden(true);

  POINT start{};
  GetCursorPos(&start);
  exitWatch_.SetStart(start);
  SetBounds(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

  auto thread = std::make_unique<TsavThread>(*this);
  if (thread->Create()) {
    animation_ = std::move(thread);
    static_cast<TsavThread*>(animation_.get())->Resume();
  } else {
    startError_ = "Can not create Thread !";
  }

  SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, TRUE, &previousSaverRunning_, 0);
  saverRunningSet_ = true;
  app.SetMessageHook([this](MSG& msg) { return OnApplicationMessage(msg); });
}

bool TForm1::OnApplicationMessage(MSG& msg) {
  HookDecision d = exitWatch_.OnMessage(msg);
  if (d.requestClose) Close();
  return d.handled;
}

bool TForm1::OnCloseQuery() {
  bool allowed = true;
  SetCursorHidden(false);
  if (SaverPasswordRequested()) allowed = VerifySaverPassword(Handle());
  if (!allowed) {
    exitWatch_.ClearClosePending();
    SetCursorHidden(true);
    POINT p{};
    GetCursorPos(&p);
    exitWatch_.SetStart(p);
    return false;
  }
  zeb::Application::Instance().ClearMessageHook();
  if (saverRunningSet_) {
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, FALSE, &previousSaverRunning_, 0);
    saverRunningSet_ = false;
  }
  StopAnimation();
  return true;
}

void TForm1::StopAnimation() {
  if (!animation_) return;
  if (!animation_->Suspended()) {
    animation_->Terminate();
    animation_->WaitFor();
  }
  animation_.reset();
}

void TForm1::OnClose() {
  if (startError_.empty()) return;
  std::string text = "The following error occured during saver start:\n" + startError_;
  MessageBoxA(Handle(), text.c_str(), "error", MB_OK | MB_ICONWARNING);
}

}  // namespace gulpleaf
