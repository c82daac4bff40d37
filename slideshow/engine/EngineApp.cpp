#include "slideshow/engine/EngineApp.h"

#include <memory>

#include "slideshow/engine/EngineCommandLine.h"
#include "slideshow/engine/StartupTrace.h"
#include "slideshow/engine/collection/CollectionKeys.h"
#include "slideshow/engine/collection/CollectionList.h"
#include "slideshow/engine/pipeline/DesktopSettings.h"
#include "slideshow/engine/settings/PackageSettingsKeys.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/engine/settings/SystemFacts.h"
#include "slideshow/engine/sound/SoundPlayer.h"

namespace lumi {
namespace {

std::string ProgramTitle(HINSTANCE instance) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(instance, path, MAX_PATH);
  std::string name(path);
  std::size_t slash = name.find_last_of("\\/:");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  std::size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

}  // namespace

CEngineApp& CEngineApp::Instance() {
  static CEngineApp app;
  return app;
}

void CEngineApp::ShowMessage(const std::string& text) const {
  MessageBoxA(nullptr, text.c_str(), title_.c_str(), MB_OK);
}

bool CEngineApp::InitInstance(HINSTANCE instance, const std::string& commandLine,
                              EngineFrontEnd& frontEnd) {
  instance_ = instance;
  frontEnd_ = &frontEnd;
  title_ = ProgramTitle(instance);
  commandLine_ = ArgumentsOf(commandLine);
  package_.SetReporter([this](const std::string& text) { ShowMessage(text); });
  GetSaverSettings().SetSystemSaverInstaller(
      [](bool on) { GetDesktopSettings().InstallAsSystemSaver(on); });
  GetSaverSettings().SetSoundStopper([] { CSoundPlayer::GetPlayer().Stop(); });
  CSoundPlayer::GetPlayer().SetMainWindowSource([this] { return mainWindow_; });

  package_.OpenSelf();
  StartupMark("package opened");
  settingsPath_ = package_.ExtractMember(settings_file::kMemberName);
  GetSaverSettings().SetPackageSettingsFile(settingsPath_, *this);
  StartupMark("settings loaded");
  collectionPath_ = package_.ExtractMember(collection_file::kMemberName);
  GetCollectionList().Add(collectionPath_);
  StartupMark("collection added");

  if (FindWindowA(nullptr, kSaverWindowTitle)) return false;

  const EngineSwitches switches = ParseEngineCommandLine(commandLine_);
  previewMode_ = switches.previewMode ? 1 : 0;
  const std::string savedTitle = GetSaverSettings().GetTitle();
  title_ = savedTitle;
  registryProfile_ = std::string("Software\\") + kRegistryKey + "\\" + savedTitle;
  if (previewMode_) {
    frontEnd.ShowQuickNote(instance, kPreviewResetNote, Profile());
    title_ = "[Preview] " + title_;
  }
  if (previewMode_) DeleteFileA(UserSettingsPathInWindowsFolder().c_str());

  if (FindWindowA(nullptr, savedTitle.c_str()) && !switches.saver) return false;

  if (switches.configure) {
    GetDesktopSettings().InstallAsSystemSaver(true);
    frontEnd.RunViewer(instance, title_);
    return false;
  }
  if (switches.saver) return frontEnd.StartSaver(instance, nullptr);
  if (switches.previewWindow) {
    if (switches.previewHandle <= 0) return false;
    // A preview window lives until the program ends with its host.
    return frontEnd.StartSaver(
        instance, reinterpret_cast<HWND>(static_cast<INT_PTR>(switches.previewHandle)));
  }
  return false;
}

int CEngineApp::Run() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    // Switching windows, the task list and starting the saver again are
    // kept from a running saver.
    if (msg.message == WM_SYSCOMMAND && frontEnd_ && frontEnd_->IsSwallowedSysCommand(msg.wParam)) {
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

std::unique_ptr<unsigned char[]> CEngineApp::GetPackageMember(const std::string& name,
                                                              std::uint32_t* size) {
  return package_.ReadMember(name, size);
}

std::string CEngineApp::ExtractPackageFile(const std::string& name) {
  return package_.ExtractMember(name);
}

bool CEngineApp::GetEngineVersion(EngineVersion& version) const {
  return ReadFileVersion(ModulePath(instance_), version);
}

}  // namespace lumi
