#pragma once
// CViewerDlg: the viewer the engine opens for configuration. It will hold the
// thumbnail grid, the custom text and the settings sheet; for now it says so.
#include <windows.h>

#include <string>

namespace lumi {

class CViewerDlg {
 public:
  CViewerDlg(HINSTANCE instance, std::string caption)
      : instance_(instance), caption_(std::move(caption)) {}
  // Runs the dialog modally with no parent; returns when it is closed.
  INT_PTR DoModal();

  static constexpr int kTemplateId = 200;

 private:
  static INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
  HINSTANCE instance_;
  std::string caption_;
};

}  // namespace lumi
