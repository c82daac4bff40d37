#pragma once
// The configuration form's small "About..." panel: a raised panel with its
// caption, holding the about text and a "done" button that stay hidden until
// the form opens the about view. A click on the panel, its text or its button
// is reported to the form, which decides what the panel shows.
#include <windows.h>

#include <functional>

#include "common/Window.h"

namespace gulpleaf {

class AboutPanel final : public zeb::Window {
 public:
  // Creates the panel (hidden) with its text and button as children.
  bool CreatePanel(HWND parent, HINSTANCE instance, const RECT& place, HFONT font,
                   std::function<void()> onClick);

  HWND Text() const { return text_; }
  HWND DoneButton() const { return done_; }
  bool TextShowing() const { return text_ && IsWindowVisible(text_); }
  // Shows or hides the about view inside the panel's present size.
  void ShowText(bool show);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint();
  void OnClick();

  HWND text_ = nullptr;
  HWND done_ = nullptr;
  HFONT font_ = nullptr;
  std::function<void()> onClick_;
};

}  // namespace gulpleaf
