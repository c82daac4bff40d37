#include "slideshow/viewer/QuickNoteDlg.h"

#include <cstdio>
#include <utility>

#include "slideshow/viewer/QuickNoteDlgIds.h"

namespace lumi {
namespace {

constexpr char kQuickNotesSection[] = "QuickNotes";

std::string SwitchedOffName(int noteId) {
  char name[32];
  std::snprintf(name, sizeof name, "DontShowDialog#%d", noteId);
  return name;
}

std::string NoteText(HINSTANCE instance, int noteId) {
  // A string table entry holds at most 4095 characters.
  char text[4096] = {};
  if (LoadStringA(instance, static_cast<UINT>(noteId), text, sizeof text) <= 0) return {};
  return text;
}

}  // namespace

CQuickNoteDlg::CQuickNoteDlg(HINSTANCE instance, std::string text)
    : Dialog(instance, IDD_QUICK_NOTE), text_(std::move(text)) {}

BOOL CQuickNoteDlg::OnInitDialog() {
  // The system's shared icon: nothing to free.
  SendDlgItemMessageA(hwnd_, IDC_QUICK_NOTE_ICON, STM_SETICON,
                      reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_ASTERISK)), 0);
  SetDlgItemTextA(hwnd_, IDC_QUICK_NOTE_TEXT, text_.c_str());
  CheckDlgButton(hwnd_, IDC_QUICK_NOTE_NEVER_AGAIN, dontShowAgain_ ? BST_CHECKED : BST_UNCHECKED);
  return TRUE;
}

bool CQuickNoteDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM) {
  if (msg != WM_COMMAND) return false;
  switch (LOWORD(wParam)) {
    case IDOK:
      dontShowAgain_ = IsDlgButtonChecked(hwnd_, IDC_QUICK_NOTE_NEVER_AGAIN) == BST_CHECKED ? 1 : 0;
      EndDialog(hwnd_, IDOK);
      return true;
    case IDCANCEL:
      EndDialog(hwnd_, IDCANCEL);
      return true;
    default:
      return false;
  }
}

bool ShowQuickNote(HINSTANCE instance, const CAppProfile& profile, int noteId, HWND parent) {
  const std::string name = SwitchedOffName(noteId);
  if (profile.GetInt(kQuickNotesSection, name, 0) != 0) return false;
  if (!parent) parent = GetActiveWindow();
  CQuickNoteDlg note(instance, NoteText(instance, noteId));
  const INT_PTR answer = note.DoModal(parent);
  if (answer == IDOK && note.DontShowAgain() == 1) profile.WriteInt(kQuickNotesSection, name, 1);
  return answer != -1;
}

}  // namespace lumi
