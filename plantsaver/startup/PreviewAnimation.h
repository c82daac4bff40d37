#pragma once
// The preview's little animation: four frames of the preview picture shown
// back and forth (0, 1, 2, 3, 2, 1, 0, ...), centred in the preview window.
#include "plantsaver/animation/SheetCatalogue.h"

namespace gulpleaf {

class PreviewAnimation {
 public:
  int Frame() const { return frame_; }
  // Top-left corner of the frame in a window of the given size; the integer
  // divisions truncate toward zero, so a window smaller than the frame gets
  // a negative offset and shows the frame's middle.
  static int Left(int windowWidth) { return (windowWidth - kPreviewFrameWidth) / 2; }
  static int Top(int windowHeight) { return (windowHeight - kPreviewFrameHeight) / 2; }
  static int SourceTop(int frame) { return kPreviewFrameHeight * frame; }
  void Advance() {
    frame_ += step_;
    if (frame_ <= 0 || frame_ >= kPreviewFrames - 1) step_ = -step_;
  }

 private:
  int frame_ = 0;
  int step_ = 1;
};

}  // namespace gulpleaf
