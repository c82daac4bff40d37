#pragma once
// SaverFrontEnd: the engine's front end in the program: the saver window
// (full screen or in a preview host), the viewer dialog and the quick notes.
#include <windows.h>

#include <string>

#include "slideshow/engine/EngineApp.h"
#include "slideshow/engine/EngineFrontEnd.h"

namespace lumi {

class SaverFrontEnd final : public EngineFrontEnd {
 public:
  explicit SaverFrontEnd(CEngineApp& app) : app_(app) {}

  void ShowQuickNote(HINSTANCE instance, int noteId, const CAppProfile& profile) override;
  void RunViewer(HINSTANCE instance, const std::string& title) override;
  bool StartSaver(HINSTANCE instance, HWND parent) override;
  bool IsSwallowedSysCommand(WPARAM command) const override;

 private:
  CEngineApp& app_;
};

}  // namespace lumi
