#pragma once
// The picture's title over the picture: white letters with a black shadow,
// centred near the top of the display, in the context's current font.
#include <windows.h>

#include <string>

namespace lumi {

inline constexpr int kTitleTopMargin = 15;

// Where the title's text goes: its measured size, 15 pixels below the top,
// centred across the display.
RECT TitleRect(HDC dc, const RECT& display, const std::string& title);

// Draws nothing for an empty title. Background mode and text colour are left
// as they were.
void DrawTitle(HDC dc, const RECT& display, const std::string& title);

}  // namespace lumi
