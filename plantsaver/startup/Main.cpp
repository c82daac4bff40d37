#include <windows.h>

#include "plantsaver/startup/StartUp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(instance, path, MAX_PATH);
  return gulpleaf::RunPlantSaver(instance, path, GetCommandLineA());
}
