#pragma once
// A list box whose items each carry a check box: an owner-drawn list box with
// strings, whose item data holds the check state. A click on an item's box
// or the space bar on the focused item turns the check over.
#include <windows.h>

#include <string>

namespace lumi {

// Takes over the drawing and the clicks of the list box (once, after the
// dialog made it).
void AttachCheckList(HWND list);
// Adds an item where the list's order puts it; returns its index, or -1.
int AddCheckItem(HWND list, const std::string& text, bool checked);
bool IsCheckItemChecked(HWND list, int index);
void SetCheckItemChecked(HWND list, int index, bool checked);
std::string CheckItemText(HWND list, int index);

}  // namespace lumi
