#include "slideshow/engine/QuickNote.h"

namespace lumi {

void ShowQuickNote(HINSTANCE instance, UINT stringId, const std::string& caption) {
  char text[1024] = {};
  if (LoadStringA(instance, stringId, text, sizeof text) <= 0) return;
  MessageBoxA(nullptr, text, caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace lumi
