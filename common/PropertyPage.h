#pragma once
// A page of a property sheet: a dialog made by the sheet from the page record
// this object fills, bound through the one dialog procedure. The sheet's
// notifications arrive as named handlers. The sheet makes a page's window
// the first time its tab is shown and only such pages hear OK or Cancel, so
// a page that was never shown writes nothing.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "common/Window.h"

namespace zeb {

class PropertyPage : public Dialog {
 public:
  // An empty title leaves the tab with the template's caption.
  PropertyPage(HINSTANCE instance, int templateId, std::string title = {})
      : Dialog(instance, templateId), title_(std::move(title)) {}

  // The page record a sheet makes this page from. It points into this
  // object, which must outlive the sheet's window. No help button.
  PROPSHEETPAGEA SheetPage() const;

  // Whether the sheet ever made this page's window (its tab was shown).
  bool Shown() const { return shown_; }
  // The sheet window while the page's window exists, else null.
  HWND Sheet() const { return hwnd_ ? GetParent(hwnd_) : nullptr; }

 protected:
  // The page comes to the front (also the first time, after OnInitDialog).
  virtual void OnSetActive() {}
  // The user leaves the page, or presses OK while it is in front. False
  // keeps the page in front and the sheet open: the place to validate and
  // to tell the user what is wrong.
  virtual bool OnKillActive() { return true; }
  // OK, after the current page agreed to be left: write the values. Pages
  // hear it in tab order.
  virtual void OnApply() {}
  // Cancel: the sheet closes and nothing is written.
  virtual void OnReset() {}

  // Subclasses that need further messages override this and call the base.
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  bool OnNotify(const NMHDR& header);
  // Answers a notification through DWLP_MSGRESULT, as a dialog must.
  bool Answer(LONG_PTR result);

  std::string title_;
  bool shown_ = false;
};

}  // namespace zeb
