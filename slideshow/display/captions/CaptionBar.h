#pragma once
// The caption bar: a white band at the bottom of the display carrying one of
// the package's messages in black with a light grey shadow. It slides up
// while the picture's display time runs out.
#include <windows.h>

#include <string>

#include "slideshow/display/captions/CaptionFont.h"
#include "slideshow/display/captions/CaptionTimer.h"

namespace lumi {

// The band's place when it stands rise pixels above the display's bottom.
RECT CaptionBarRect(const RECT& display, int rise);
// The part of the band the message is fitted into.
RECT CaptionTextRect(const RECT& display);

// Makes font the caption font fitted to message over display's width.
void PrepareCaptionFont(CaptionFont& font, const RECT& display, const std::string& message);

// Draws the band risen by rise pixels (0 to 30; anything else draws nothing)
// with message in font. The context's state is left as it was.
void DrawCaptionBar(HDC dc, const RECT& display, const std::string& message, HFONT font, int rise);

// The rest of a picture's display time: shows the bar for a non-empty
// message and waits until seconds are over, returning as soon as the timer
// reports a stop.
void ShowCaptionAndWait(HDC dc, const RECT& display, int seconds, const std::string& message,
                        CaptionFont& font, CaptionTimer& timer);

}  // namespace lumi
