#pragma once
// EngineFrontEnd: the windows the engine opens once start-up has decided what
// the command line asks for. The application object only dispatches; the
// program hands in the saver window and the viewer, which live above the
// engine and may include it, never the other way round.
#include <windows.h>

#include <string>

#include "slideshow/engine/AppProfile.h"

namespace lumi {

class EngineFrontEnd {
 public:
  virtual ~EngineFrontEnd() = default;
  // The viewer, modal, for the configure switch.
  virtual void RunViewer(HINSTANCE instance, const std::string& title) = 0;
  // The quick note with string noteId, unless the user switched it off in
  // profile; without a window of the program yet, over the active window.
  virtual void ShowQuickNote(HINSTANCE instance, int noteId, const CAppProfile& profile) = 0;
  // Creates and starts the saver window: full screen when parent is null,
  // otherwise as a child of the preview host. False when no window was made.
  virtual bool StartSaver(HINSTANCE instance, HWND parent) = 0;
  // Whether the message loop drops this WM_SYSCOMMAND before dispatching it.
  virtual bool IsSwallowedSysCommand(WPARAM command) const = 0;
};

}  // namespace lumi
