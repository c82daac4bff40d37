#pragma once
// The fitted font: the largest font of a face, from 4 to 29 pixels high, in
// which a text measures no wider and no higher than a rectangle. The caption
// bar sizes its message this way; the measurement uses the screen (the
// desktop window's context), where the text is going to be drawn.
#include <windows.h>

#include <string>

#include "common/GdiGuards.h"

namespace lumi {

inline constexpr int kFittedFontSmallest = 4;
inline constexpr int kFittedFontLargest = 29;

// Returns a new font, which the caller owns. When not even the smallest height fits,
// the font has height 0, which Windows draws in the face's default size.
// drawFlags are the DrawText flags the text will be drawn with; DT_CALCRECT
// is added for measuring.
zeb::OwnedFont CreateFittedFont(const std::string& text, const RECT& rect, const char* face,
                                bool bold, bool italic, UINT drawFlags);

}  // namespace lumi
