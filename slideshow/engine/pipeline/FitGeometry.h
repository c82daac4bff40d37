#pragma once
// Where a picture goes in its target area: the size it is enlarged to, the
// rectangle it is drawn in, and where an overlay graphic sits on it. Free of
// the platform so the arithmetic can be checked natively.
namespace lumi {

struct FitRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const FitRect&, const FitRect&) = default;
};

struct FitSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const FitSize&, const FitSize&) = default;
};

struct FitPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const FitPoint&, const FitPoint&) = default;
};

// Huge screens never ask the imaging module for larger pictures than this.
inline constexpr int kMaxTargetWidth = 1600;
inline constexpr int kMaxTargetHeight = 1200;
// Overlay graphics sit this far in from the picture's edges.
inline constexpr int kOverlayInset = 20;

// The area narrowed to at most 1600 x 1200 around its centre.
FitRect LimitArea(const FitRect& area);

// The picture scaled to fit the limited area, keeping its proportions; a
// picture without pixels keeps its size.
FitSize ScaleToFit(FitSize picture, const FitRect& area);

// The picture, at the given size, centred in the limited area. A picture
// larger than the area gets negative offsets and is cropped evenly.
FitRect CentreIn(FitSize picture, const FitRect& area);

// The size to enlarge to. Keeping the aspect, a picture whose proportions
// nearly match the area's (0.02 < difference < 0.1) is stretched to the whole
// area, accepting a small distortion for a full screen; otherwise it is scaled
// to fit. Without keeping the aspect the target is always the whole area.
FitSize EnlargeTarget(FitSize picture, const FitRect& area, bool keepAspect);

// The imaging module resizes only when both sides change.
inline bool NeedsResize(FitSize picture, FitSize target) {
  return target.width != picture.width && target.height != picture.height;
}

// Top left of an overlay graphic placed 20 pixels in from the given corner
// (0 top left, 1 top right, 2 bottom left, 3 bottom right); any other corner
// puts it at the origin.
FitPoint OverlayOrigin(FitSize picture, FitSize overlay, int corner);

}  // namespace lumi
