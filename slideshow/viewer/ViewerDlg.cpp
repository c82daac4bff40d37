#include "slideshow/viewer/ViewerDlg.h"

namespace lumi {

BOOL CViewerDlg::OnInitDialog() {
  // The viewer carries the application title, by which a second viewer is refused.
  SetWindowTextA(hwnd_, caption_.c_str());
  return TRUE;
}

bool CViewerDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(hwnd_, LOWORD(wParam));
    return true;
  }
  return false;
}

}  // namespace lumi
