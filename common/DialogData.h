#pragma once
// Copying values between a dialog's controls and plain members, with the
// number check a settings page applies before it lets the user go on.
#include <windows.h>

#include <optional>
#include <string>

namespace zeb {

std::string ItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::string& text);
bool ItemChecked(HWND dialog, int id);
void SetItemChecked(HWND dialog, int id, bool checked);
void SetItemInt(HWND dialog, int id, int value);

// The text as a whole number within min..max (blanks around it allowed), or
// the sentence that tells the user what to type instead.
struct IntEntry {
  std::optional<int> value;
  std::string problem;
};
IntEntry ParseIntEntry(const std::string& text, int min, int max);

// Reads the field as ParseIntEntry does. When it does not hold a fitting
// number, tells the user why (a message box over the dialog, exclamation
// icon), gives the field the focus with its text selected, and returns
// nothing: the caller refuses to go on.
std::optional<int> ReadItemInt(HWND dialog, int id, int min, int max);

}  // namespace zeb
