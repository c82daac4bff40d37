#include "slideshow/viewer/ProcessingDlg.h"

#include <commctrl.h>

#include <memory>

#include "slideshow/engine/pipeline/ProgressStage.h"
#include "slideshow/viewer/ProcessingDlgIds.h"

namespace lumi {
namespace {

int TemplateFor(int mode) { return mode != 0 ? IDD_PROCESSING_FULL : IDD_PROCESSING_BAR; }

// The rectangle to centre on: the owner's window, or the work area without one.
RECT CentreArea(HWND owner) {
  RECT area{};
  if (owner && GetWindowRect(owner, &area)) return area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

}  // namespace

CProcessingDlg::CProcessingDlg(int mode, HINSTANCE instance)
    : Dialog(instance, TemplateFor(mode)),
      mode_(mode != 0 ? kFull : kBarOnly),
      templateId_(TemplateFor(mode)) {}

CProcessingDlg::~CProcessingDlg() { Destroy(); }

bool CProcessingDlg::Make(HWND parent) {
  if (hwnd_) return false;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  if (!CreateModeless(parent)) return false;
  RECT own{};
  GetWindowRect(hwnd_, &own);
  const RECT area = CentreArea(GetWindow(hwnd_, GW_OWNER));
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

bool CProcessingDlg::Create(HWND parent) {
  if (!Make(parent)) return false;
  if (mode_ == kFull) ShowWindow(hwnd_, SW_SHOW);
  return true;
}

bool CProcessingDlg::CreateAt(HWND parent, const RECT& area) {
  if (!Make(parent)) return false;
  RECT own{};
  GetWindowRect(hwnd_, &own);
  SetWindowPos(hwnd_, nullptr, area.left + 10, area.bottom - 10 - (own.bottom - own.top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (mode_ == kFull) ShowWindow(hwnd_, SW_SHOW);
  return true;
}

void CProcessingDlg::SetCaption(const char* caption) {
  if (hwnd_) SetWindowTextA(hwnd_, caption);
}

void CProcessingDlg::Destroy() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  bar_ = nullptr;
}

BOOL CProcessingDlg::OnInitDialog() {
  bar_ = GetDlgItem(hwnd_, IDC_PROCESSING_BAR);
  SendMessageA(bar_, PBM_SETRANGE32, 0, 99);
  if (HWND icon = GetDlgItem(hwnd_, IDC_PROCESSING_ICON)) {
    // The program's own icon when it has one; shared icons need no freeing.
    HICON picture = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(128));
    if (!picture) picture = LoadIconA(nullptr, IDI_APPLICATION);
    SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(picture), 0);
  }
  // Nothing here takes input: the focus stays where it was.
  return FALSE;
}

bool CProcessingDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case kProgressNewStage:
      OnNewStage(lParam);
      return true;
    case kProgressStep:
      OnStep();
      return true;
    case kProgressShow:
      OnShow(wParam != 0);
      return true;
    case WM_COMMAND:
      // Escape and Enter reach a modeless dialog as IDCANCEL / IDOK; the
      // pipeline polls the Escape key itself, and the dialog's user decides
      // when it goes.
      return LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK;
    default:
      return false;
  }
}

void CProcessingDlg::OnNewStage(LPARAM stage) {
  // The record is ours from here on, whatever happens to it.
  std::unique_ptr<ProgressStage> record(reinterpret_cast<ProgressStage*>(stage));
  if (!record) return;
  SetDlgItemTextA(hwnd_, IDC_PROCESSING_STATUS, record->text.c_str());
  // A stage without steps gives an empty range.
  SendMessageA(bar_, PBM_SETRANGE32, 0, record->steps > 0 ? record->steps : 0);
  SendMessageA(bar_, PBM_SETSTEP, 1, 0);
  SendMessageA(bar_, PBM_SETPOS, 0, 0);
  RepaintNow();
}

void CProcessingDlg::OnStep() {
  // Stepping wraps round within the range, which an empty range cannot do:
  // the bar's own arithmetic would divide by its width of zero.
  const auto high = SendMessageA(bar_, PBM_GETRANGE, FALSE, 0);
  const auto low = SendMessageA(bar_, PBM_GETRANGE, TRUE, 0);
  if (high > low) SendMessageA(bar_, PBM_STEPIT, 0, 0);
  RepaintNow();
}

void CProcessingDlg::OnShow(bool show) {
  ShowWindow(hwnd_, show ? SW_SHOWNORMAL : SW_HIDE);
  RepaintNow();
}

void CProcessingDlg::RepaintNow() {
  // The pipeline keeps the thread busy between reports; paint before it goes on.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace lumi
