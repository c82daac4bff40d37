#pragma once
// CEngineApp: the slideshow engine's application object. Start-up opens the
// bound package, hands its settings and collection files on, refuses to run
// beside a running saver, and dispatches on the command line.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "slideshow/engine/AppProfile.h"
#include "slideshow/engine/BoundPackage.h"
#include "slideshow/engine/EngineFrontEnd.h"
#include "slideshow/engine/EngineVersion.h"
#include "slideshow/engine/PackageFiles.h"
#include "slideshow/engine/pipeline/PackageMemberSource.h"

namespace lumi {

class CEngineApp final : public PackageFiles, public PackageMemberSource {
 public:
  static CEngineApp& Instance();

  // Runs start-up; true when the program should run its message loop. The
  // front end opens the windows and must outlive the message loop.
  bool InitInstance(HINSTANCE instance, const std::string& commandLine, EngineFrontEnd& frontEnd);
  // The message loop, until the main window has gone.
  int Run();

  std::unique_ptr<unsigned char[]> GetPackageMember(const std::string& name,
                                                    std::uint32_t* size) override;
  std::string ExtractPackageFile(const std::string& name) override;
  // The running program's version resource; false when it has none.
  bool GetEngineVersion(EngineVersion& version) const;

  HINSTANCE InstanceHandle() const { return instance_; }
  const std::string& Title() const { return title_; }
  bool PreviewMode() const { return previewMode_ != 0; }
  const std::string& SettingsPath() const { return settingsPath_; }
  const std::string& CollectionPath() const { return collectionPath_; }
  CBoundPackage& Package() { return package_; }
  // The window the program lives in: the saver window, or the viewer when
  // it was opened for configuration. Whoever makes that window sets it here;
  // the sound player hangs its notification window under it.
  HWND MainWindow() const { return mainWindow_; }
  void SetMainWindow(HWND window) { mainWindow_ = window; }
  // The application's registry profile under HKEY_CURRENT_USER (quick-note flags live there).
  const std::string& RegistryProfile() const { return registryProfile_; }
  CAppProfile Profile() const { return CAppProfile(registryProfile_); }

  static constexpr const char kSaverWindowTitle[] = "ZIVODIZOVARIZAVUZEVURU";
  static constexpr const char kRegistryKey[] = "Corvane\\Kvse Screen Savers";
  // The string (and quick note) that tells a previewing user the settings start afresh.
  static constexpr int kPreviewResetNote = 102;

 private:
  CEngineApp() = default;
  void ShowMessage(const std::string& text) const;

  HINSTANCE instance_ = nullptr;
  std::string commandLine_;
  std::string title_;
  std::string settingsPath_;
  std::string collectionPath_;
  std::string registryProfile_;
  int previewMode_ = 0;
  CBoundPackage package_;
  EngineFrontEnd* frontEnd_ = nullptr;
  HWND mainWindow_ = nullptr;
};

}  // namespace lumi
