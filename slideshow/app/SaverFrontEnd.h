#pragma once
// SaverFrontEnd: the engine's front end in the program: the saver window
// (full screen or in a preview host), the viewer dialog and the quick notes;
// it serves the viewer with the saver, the sound player and the shell.
#include <windows.h>

#include <string>

#include "slideshow/engine/EngineApp.h"
#include "slideshow/engine/EngineFrontEnd.h"
#include "slideshow/viewer/ViewerHost.h"

namespace lumi {

class SaverFrontEnd final : public EngineFrontEnd, public ViewerHost {
 public:
  explicit SaverFrontEnd(CEngineApp& app) : app_(app) {}

  void ShowQuickNote(HINSTANCE instance, int noteId, const CAppProfile& profile) override;
  void RunViewer(HINSTANCE instance, const std::string& title) override;
  bool StartSaver(HINSTANCE instance, HWND parent) override;
  bool IsSwallowedSysCommand(WPARAM command) const override;

  void ViewerOpened(HWND viewer) override;
  bool RunSaverOverViewer(HWND viewer) override;
  void PlayPlayList(const CSoundPlayList& list) override;
  void OpenWithShell(HWND owner, const std::string& target) override;

 private:
  // Full screen when parent is null; endsProgram as CSaverWnd::SetEndsProgram.
  bool MakeSaver(HINSTANCE instance, HWND parent, bool endsProgram);

  CEngineApp& app_;
};

}  // namespace lumi
