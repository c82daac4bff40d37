#include <windows.h>

#include "slideshow/app/SaverFrontEnd.h"
#include "slideshow/engine/EngineApp.h"
#include "slideshow/engine/StartupTrace.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  lumi::StartupMark("WinMain");
  lumi::CEngineApp& app = lumi::CEngineApp::Instance();
  lumi::SaverFrontEnd frontEnd(app);
  if (!app.InitInstance(instance, GetCommandLineA(), frontEnd)) return 0;
  return app.Run();
}
