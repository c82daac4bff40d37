#include "slideshow/app/SaverFrontEnd.h"

#include <shellapi.h>

#include <memory>

#include "slideshow/display/SaverWnd.h"
#include "slideshow/engine/StartupTrace.h"
#include "slideshow/engine/collection/CollectionList.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/engine/sound/SoundPlayer.h"
#include "slideshow/viewer/QuickNoteDlg.h"
#include "slideshow/viewer/ViewerDlg.h"

namespace lumi {

void SaverFrontEnd::ShowQuickNote(HINSTANCE instance, int noteId, const CAppProfile& profile) {
  lumi::ShowQuickNote(instance, profile, noteId, nullptr);
}

void SaverFrontEnd::RunViewer(HINSTANCE instance, const std::string& title) {
  const ViewerTies ties{GetSaverSettings(), GetCollectionList(), app_, app_, *this};
  CViewerDlg viewer(instance, title, ties);
  viewer.DoModal(nullptr);
}

bool SaverFrontEnd::StartSaver(HINSTANCE instance, HWND parent) {
  return MakeSaver(instance, parent, true);
}

void SaverFrontEnd::ViewerOpened(HWND viewer) { app_.SetMainWindow(viewer); }

bool SaverFrontEnd::RunSaverOverViewer(HWND viewer) {
  (void)viewer;  // the saver covers every window; the viewer needs no tie to it
  return MakeSaver(app_.InstanceHandle(), nullptr, false);
}

bool SaverFrontEnd::MakeSaver(HINSTANCE instance, HWND parent, bool endsProgram) {
  const SaverShowTies ties{GetSaverSettings(), GetCollectionList(), app_, app_};
  if (!parent) {
    auto wnd = std::make_unique<CSaverWnd>(instance, ties);
    wnd->SetEndsProgram(endsProgram);
    StartupMark("window object");
    if (!wnd->Create()) return false;
    StartupMark("window created");
    // Over the viewer, the viewer stays the program's main window.
    if (endsProgram) app_.SetMainWindow(wnd->Handle());
    wnd.release()->Start();  // the window owns its object now
    StartupMark("started");
    return true;
  }
  auto wnd = std::make_unique<CSaverWnd>(instance, ties, parent);
  if (!wnd->Create()) return false;
  app_.SetMainWindow(wnd->Handle());
  wnd.release()->Start();
  return true;
}

bool SaverFrontEnd::IsSwallowedSysCommand(WPARAM command) const {
  return CSaverWnd::IsSwallowedSysCommand(command);
}

void SaverFrontEnd::PlayPlayList(const CSoundPlayList& list) {
  CSoundPlayer::GetPlayer().PlayPlayList(list);
}

void SaverFrontEnd::OpenWithShell(HWND owner, const std::string& target) {
  ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace lumi
