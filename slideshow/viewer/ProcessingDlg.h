#pragma once
// CProcessingDlg: the small progress window the image pipeline reports to
// while it decodes, enlarges, optimises and saves a picture. Full form
// (caption, texts, bar) for the viewer's wallpaper job; bar-only form for the
// saver window, hidden until the pipeline asks for it.
#include <windows.h>

#include "common/Window.h"

namespace lumi {

class CProcessingDlg final : public zeb::Dialog {
 public:
  static constexpr int kFull = 1;     // template 139
  static constexpr int kBarOnly = 0;  // template 143

  explicit CProcessingDlg(int mode, HINSTANCE instance = GetModuleHandleA(nullptr));
  ~CProcessingDlg() override;

  // Modeless, owned by parent, bar range 0..99, centred on the owner; the
  // full form is shown at once, the bar-only form stays hidden.
  bool Create(HWND parent);
  // As Create, then moved (size kept) so that its left edge is 10 pixels
  // right of area's left and its bottom 10 pixels above area's bottom;
  // area is in screen coordinates.
  bool CreateAt(HWND parent, const RECT& area);
  void SetCaption(const char* caption);
  void Destroy();

  int Mode() const { return mode_; }
  int TemplateId() const { return templateId_; }

 protected:
  BOOL OnInitDialog() override;
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  bool Make(HWND parent);
  void OnNewStage(LPARAM stage);
  void OnStep();
  void OnShow(bool show);
  void RepaintNow();

  int mode_;
  int templateId_;
  HWND bar_ = nullptr;
};

}  // namespace lumi
