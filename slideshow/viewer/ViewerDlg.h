#pragma once
// CViewerDlg: the viewer the engine opens for configuration. It will hold the
// thumbnail grid, the custom text and the settings sheet; for now it says so.
#include <windows.h>

#include <string>

#include "common/Window.h"

namespace lumi {

class CViewerDlg final : public zeb::Dialog {
 public:
  CViewerDlg(HINSTANCE instance, std::string caption)
      : Dialog(instance, kTemplateId), caption_(std::move(caption)) {}

  static constexpr int kTemplateId = 200;

 protected:
  BOOL OnInitDialog() override;
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  std::string caption_;
};

}  // namespace lumi
