#pragma once
// What the saver window hands the slideshow when it starts: the display
// settings read once at start, the window's mode and its client rectangle.
namespace lumi {

struct ShowRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct ShowParams {
  int imageDelay = 15;  // seconds; the preview always shows each picture 3 seconds
  bool randomOrder = false;
  bool showTitles = false;
  bool blackWhite = false;
  bool enlarge = false;
  bool tile = false;
  bool fullScreen = true;
  ShowRect display;
};

// The preview in the display settings is small and brief: each picture stays
// this long whatever the user chose.
inline constexpr int kPreviewImageDelay = 3;

}  // namespace lumi
