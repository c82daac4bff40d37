#include <windows.h>

#include "slideshow/engine/EngineApp.h"
#include "slideshow/engine/StartupTrace.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  lumi::StartupMark("WinMain");
  lumi::CEngineApp& app = lumi::CEngineApp::Instance();
  if (!app.InitInstance(instance, GetCommandLineA())) return 0;
  return app.Run();
}
