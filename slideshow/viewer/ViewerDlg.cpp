#include "slideshow/viewer/ViewerDlg.h"

namespace lumi {

INT_PTR CViewerDlg::DoModal() {
  return DialogBoxParamA(instance_, MAKEINTRESOURCEA(kTemplateId), nullptr, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CViewerDlg::DialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  switch (msg) {
    case WM_INITDIALOG: {
      auto* self = reinterpret_cast<CViewerDlg*>(lParam);
      // The viewer carries the application title, by which a second viewer is refused.
      SetWindowTextA(dlg, self->caption_.c_str());
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(dlg, LOWORD(wParam));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}

}  // namespace lumi
