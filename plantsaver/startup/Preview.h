#pragma once
// The preview in the Display Properties dialog: a child window of the given
// parent that shows the preview picture's frames at irregular moments.
#include <windows.h>

namespace gulpleaf {

// Runs until the preview window is closed or destroyed. Returns at once when
// the window or the picture cannot be made.
void RunPreview(HINSTANCE instance, HWND parent);

}  // namespace gulpleaf
