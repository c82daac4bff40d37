#pragma once
// The caption font the slideshow keeps between pictures: replaced for every
// caption bar, deleted with the slideshow. Never selected anywhere when it is
// replaced or deleted: the bar selects it only while drawing.
#include <windows.h>

#include <utility>

#include "common/GdiGuards.h"

namespace lumi {

class CaptionFont {
 public:
  // Takes the font (which may be empty) and deletes the previous one.
  void Replace(zeb::OwnedFont font) { font_ = std::move(font); }
  HFONT Get() const { return font_.Get(); }

 private:
  zeb::OwnedFont font_;
};

}  // namespace lumi
