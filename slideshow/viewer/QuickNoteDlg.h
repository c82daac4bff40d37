#pragma once
// CQuickNoteDlg: a one-time hint with a box the user ticks to never see that
// note again. ShowQuickNote decides whether a note is due and remembers the
// user's choice in the application's registry profile.
#include <windows.h>

#include <string>

#include "common/Window.h"
#include "slideshow/engine/AppProfile.h"

namespace lumi {

class CQuickNoteDlg final : public zeb::Dialog {
 public:
  CQuickNoteDlg(HINSTANCE instance, std::string text);

  const std::string& Text() const { return text_; }
  // The check box as the dialog closed with OK: 1 ticked, 0 not.
  int DontShowAgain() const { return dontShowAgain_; }

 protected:
  BOOL OnInitDialog() override;
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  std::string text_;
  int dontShowAgain_ = 0;
};

// Shows note noteId (its text is the string with that id in instance's string
// table; none gives an empty note) modally over parent, or over the active
// window when parent is null, unless the user ticked the note's box before.
// OK with the box ticked switches the note off for good in section
// "QuickNotes" of profile; closing it any other way stores nothing. True when
// the note was shown.
bool ShowQuickNote(HINSTANCE instance, const CAppProfile& profile, int noteId, HWND parent);

}  // namespace lumi
