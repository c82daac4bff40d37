#pragma once
// The boxed notice: on a cleared display, a short text in one of seven dark
// colours inside a white box with a border of the same colour, at a random
// place. Says that there are no pictures, or that one could not be shown.
#include <windows.h>

#include <functional>
#include <string>

namespace lumi {

// Non-negative numbers, as rand() gives them.
using NoticeRandom = std::function<int()>;

struct NoticePlace {
  COLORREF colour = 0;
  RECT box{};    // the border's outer edge
  POINT text{};  // where the text starts
};

// The colour and place for a text of the given size on the display.
NoticePlace PlaceNotice(const RECT& display, SIZE text, const NoticeRandom& random);

// Hides the progress dialog (when there is one), clears the display to black
// and draws the notice. From the loop's second cycle on the bottom band is
// left alone, so that a caption bar standing there stays.
void DrawNotice(HDC dc, const RECT& display, const std::string& text, int cycle,
                HWND progressDialog, const NoticeRandom& random);

}  // namespace lumi
