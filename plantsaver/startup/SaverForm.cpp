#include "plantsaver/startup/SaverForm.h"

#include "common/Application.h"
#include "plantsaver/random/Random.h"
#include "plantsaver/setup/SettingsStore.h"
#include "plantsaver/startup/PasswordServices.h"

namespace gulpleaf {

AnimationSettings StoredAnimationSettings::Load() const {
  const PlantSettings stored = PlantSettings::Load();
  AnimationSettings settings;
  settings.speed = stored.speed;
  settings.sound = stored.sound;
  settings.startTrack = stored.sSound;
  settings.volume = stored.vol;
  return settings;
}

TForm1::~TForm1() { StopAnimation(); }

bool TForm1::CreateForm(HINSTANCE instance) {
  instance_ = instance;
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

  auto thread = std::make_unique<TsavThread>(*this, settings_, instance_);
  if (thread->Create()) {
    animation_ = std::move(thread);
    animation_->Resume();
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

namespace gulpleaf {

void TForm1::OnPaint(HDC dc) {
  // Whatever uncovered the form (the password dialog, say) gets the scene back
  // at once instead of a black hole until the actors move through it.
  RECT area;
  if (animation_ && GetClipBox(dc, &area) != NULLREGION) animation_->PaintScene(dc, area);
}

LRESULT TForm1::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  // The back buffer repaints every uncovered pixel; erasing first would flash black.
  if (msg == WM_ERASEBKGND && animation_ && animation_->SceneReady()) return 1;
  return Form::HandleMessage(msg, wParam, lParam);
}

}  // namespace gulpleaf
