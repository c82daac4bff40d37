#pragma once
// What the viewer asks of the program around it: the full-screen saver
// (which lives in the display layer), the sound player, and the shell that
// opens web addresses and documents. The program implements it; tests watch
// what the viewer asks for.
#include <windows.h>

#include <string>

namespace lumi {

class CSoundPlayList;

class ViewerHost {
 public:
  virtual ~ViewerHost() = default;
  // The viewer's window exists: it is the program's main window from now on.
  virtual void ViewerOpened(HWND viewer) = 0;
  // Starts the saver full-screen as the saver switch does, over the viewer,
  // which stays open and is back when input ends the saver. False when no
  // saver window was made.
  virtual bool RunSaverOverViewer(HWND viewer) = 0;
  virtual void PlayPlayList(const CSoundPlayList& list) = 0;
  // Opens target with the program the system has for it; failures are the
  // shell's to report, if at all.
  virtual void OpenWithShell(HWND owner, const std::string& target) = 0;
};

}  // namespace lumi
