#include "plantsaver/startup/StartUp.h"

#include <exception>
#include <memory>

#include "common/Application.h"
#include "plantsaver/animation/GdiScene.h"
#include "plantsaver/setup/ConfigForm.h"
#include "plantsaver/setup/SetupWizard.h"
#include "plantsaver/setup/VolumeDevice.h"
#include "plantsaver/startup/PasswordServices.h"
#include "plantsaver/startup/Preview.h"
#include "plantsaver/startup/SaverForm.h"

namespace gulpleaf {
namespace {

constexpr char kTitle[] = "Gulpleaf";
StartupValues processValues;
HWND startForeground = nullptr;

void RunSetupWizard(HINSTANCE instance) {
  zeb::Application& app = zeb::Application::Instance();
  app.Initialize(instance);
  app.SetTitle(kTitle);
  TForm3 wizard;
  if (!wizard.CreateForm()) return;
  wizard.Show();
  app.Run();
}

void RunForms(HINSTANCE instance) {
  zeb::Application& app = zeb::Application::Instance();
  app.Initialize(instance);
  app.SetTitle(kTitle);
  // The saver form object exists first so that the configuration form can
  // hold it for TEST; its window is made second, after the configuration form's.
  TForm1 saver;
  WaveSounds sounds(instance);
  WaveOutVolume volume;
  std::unique_ptr<TForm2> config;
  if (processValues.Letter() != 'S') {
    config = std::make_unique<TForm2>(ConfigFormLinks{sounds, volume, &saver, startForeground});
    if (!config->CreateForm()) return;
  }
  if (!saver.CreateForm(instance)) return;
  if (config) {
    config->Show();
  } else {
    saver.Show();
  }
  app.Run();
}

}  // namespace

const StartupValues& ProcessValues() { return processValues; }
HWND StartForegroundWindow() { return startForeground; }

int RunPlantSaver(HINSTANCE instance, const std::string& programPath,
                  const std::string& commandLine) {
  try {
    if (IsSetupProgramName(programPath)) {
      RunSetupWizard(instance);
      return 0;
    }
    processValues = ParseArguments(SplitArguments(commandLine));
    if (processValues.rememberForeground) startForeground = GetForegroundWindow();
    HWND argumentWindow =
        reinterpret_cast<HWND>(static_cast<UINT_PTR>(processValues.argumentWindow));
    switch (processValues.Letter()) {
      case 'A':
        if (argumentWindow) ChangeSaverPassword(argumentWindow);
        return 0;
      case 'P':
        if (argumentWindow) RunPreview(instance, argumentWindow);
        return 0;
      default:
        RunForms(instance);
        break;
    }
    char letter = processValues.Letter();
    if ((letter == 'S' || letter == 'C') && startForeground) SetForegroundWindow(startForeground);
  } catch (const std::exception& e) {
    zeb::Application::Instance().ShowException(e);
  }
  return 0;
}

}  // namespace gulpleaf
