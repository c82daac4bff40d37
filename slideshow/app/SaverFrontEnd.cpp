#include "slideshow/app/SaverFrontEnd.h"

#include <memory>

#include "slideshow/display/SaverWnd.h"
#include "slideshow/engine/StartupTrace.h"
#include "slideshow/engine/collection/CollectionList.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/viewer/QuickNoteDlg.h"
#include "slideshow/viewer/ViewerDlg.h"

namespace lumi {

void SaverFrontEnd::ShowQuickNote(HINSTANCE instance, int noteId, const CAppProfile& profile) {
  lumi::ShowQuickNote(instance, profile, noteId, nullptr);
}

void SaverFrontEnd::RunViewer(HINSTANCE instance, const std::string& title) {
  CViewerDlg viewer(instance, title);
  viewer.DoModal(nullptr);
}

bool SaverFrontEnd::StartSaver(HINSTANCE instance, HWND parent) {
  const SaverShowTies ties{GetSaverSettings(), GetCollectionList(), app_, app_};
  if (!parent) {
    auto wnd = std::make_unique<CSaverWnd>(instance, ties);
    StartupMark("window object");
    if (!wnd->Create()) return false;
    StartupMark("window created");
    app_.SetMainWindow(wnd->Handle());
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

}  // namespace lumi
