#pragma once
// The caption font the slideshow keeps between pictures: replaced for every
// caption bar, deleted with the slideshow. Never selected anywhere when it is
// replaced or deleted: the bar selects it only while drawing.
#include <windows.h>

namespace lumi {

class CaptionFont {
 public:
  CaptionFont() = default;
  ~CaptionFont() { Replace(nullptr); }
  CaptionFont(const CaptionFont&) = delete;
  CaptionFont& operator=(const CaptionFont&) = delete;

  // Takes ownership of font (which may be null) and deletes the previous one.
  void Replace(HFONT font) {
    if (font_ && font_ != font) DeleteObject(font_);
    font_ = font;
  }
  HFONT Get() const { return font_; }

 private:
  HFONT font_ = nullptr;
};

}  // namespace lumi
