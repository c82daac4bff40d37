#pragma once
// A short note to the user, its text taken from the string table.
#include <windows.h>

#include <string>

namespace lumi {

void ShowQuickNote(HINSTANCE instance, UINT stringId, const std::string& caption);

}  // namespace lumi
