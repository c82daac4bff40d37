#pragma once
// CPasswordPromptDlg: asks for the saver's own password before the saver
// closes. It ends with IDOK once the right password was typed, or with
// IDCANCEL when the user cancels or gives no answer in time; the saver then
// goes on.
#include <windows.h>

#include <string>

#include "common/Window.h"

namespace lumi {

class CPasswordPromptDlg final : public zeb::Dialog {
 public:
  static constexpr UINT kDefaultTimeoutMs = 60000;

  // An empty expected password accepts anything.
  CPasswordPromptDlg(HWND parent, std::string expected, UINT timeoutMs = kDefaultTimeoutMs,
                     HINSTANCE instance = GetModuleHandleA(nullptr));

  // Runs the prompt modally; IDOK or IDCANCEL.
  INT_PTR Run() { return DoModal(parent_); }

 protected:
  BOOL OnInitDialog() override;
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  static constexpr UINT_PTR kTimerId = 1;
  void OnOk();
  void Close(INT_PTR result);

  HWND parent_;
  std::string expected_;
  UINT timeoutMs_;
};

}  // namespace lumi
