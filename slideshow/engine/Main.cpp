#include <windows.h>

#include "slideshow/engine/EngineApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  lumi::CEngineApp& app = lumi::CEngineApp::Instance();
  if (!app.InitInstance(instance, GetCommandLineA())) return 0;
  return app.Run();
}
