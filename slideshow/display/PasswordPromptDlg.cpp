#include "slideshow/display/PasswordPromptDlg.h"

#include <utility>

#include "slideshow/display/PasswordPromptDlgIds.h"

namespace lumi {

CPasswordPromptDlg::CPasswordPromptDlg(HWND parent, std::string expected, UINT timeoutMs,
                                       HINSTANCE instance)
    : Dialog(instance, IDD_PASSWORD_PROMPT),
      parent_(parent),
      expected_(std::move(expected)),
      timeoutMs_(timeoutMs) {}

BOOL CPasswordPromptDlg::OnInitDialog() {
  // The saver window is top-most and covers the screen; the prompt must be above it.
  BringWindowToTop(hwnd_);
  // Without an answer the prompt gives up, and the saver goes on.
  SetTimer(hwnd_, kTimerId, timeoutMs_, nullptr);
  return TRUE;
}

bool CPasswordPromptDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_TIMER && wParam == kTimerId) {
    Close(IDCANCEL);
    return true;
  }
  if (msg != WM_COMMAND) return false;
  switch (LOWORD(wParam)) {
    case IDOK:
      OnOk();
      return true;
    case IDCANCEL:
      Close(IDCANCEL);
      return true;
    default:
      return false;
  }
}

void CPasswordPromptDlg::OnOk() {
  if (!expected_.empty()) {
    HWND edit = GetDlgItem(hwnd_, IDC_PASSWORD_EDIT);
    std::string typed(static_cast<size_t>(GetWindowTextLengthA(edit)) + 1, '\0');
    typed.resize(
        static_cast<size_t>(GetWindowTextA(edit, typed.data(), static_cast<int>(typed.size()))));
    if (typed != expected_) {
      MessageBeep(1);
      SetWindowTextA(edit, "");
      SetFocus(edit);
      return;
    }
  }
  Close(IDOK);
}

void CPasswordPromptDlg::Close(INT_PTR result) {
  KillTimer(hwnd_, kTimerId);
  EndDialog(hwnd_, result);
}

}  // namespace lumi
