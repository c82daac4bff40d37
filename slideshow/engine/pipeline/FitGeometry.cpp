#include "slideshow/engine/pipeline/FitGeometry.h"

#include <cmath>

namespace lumi {
namespace {

constexpr double kStretchMin = 0.02;
constexpr double kStretchMax = 0.1;

}  // namespace

FitRect LimitArea(const FitRect& area) {
  FitRect limited = area;
  if (limited.Width() > kMaxTargetWidth) {
    const int inset = (limited.Width() - kMaxTargetWidth) / 2;
    limited.left += inset;
    limited.right = limited.left + kMaxTargetWidth;
  }
  if (limited.Height() > kMaxTargetHeight) {
    const int inset = (limited.Height() - kMaxTargetHeight) / 2;
    limited.top += inset;
    limited.bottom = limited.top + kMaxTargetHeight;
  }
  return limited;
}

FitSize ScaleToFit(FitSize picture, const FitRect& area) {
  if (picture.width <= 0 || picture.height <= 0) return picture;
  const FitRect limited = LimitArea(area);
  double factor = static_cast<double>(limited.Height()) / picture.height;
  const float byWidth = static_cast<float>(limited.Width()) / static_cast<float>(picture.width);
  if (byWidth < factor) factor = byWidth;
  return {static_cast<int>(picture.width * factor), static_cast<int>(picture.height * factor)};
}

FitRect CentreIn(FitSize picture, const FitRect& area) {
  const FitRect limited = LimitArea(area);
  const int left = limited.left + (limited.Width() - picture.width) / 2;
  const int top = limited.top + (limited.Height() - picture.height) / 2;
  return {left, top, left + picture.width, top + picture.height};
}

FitSize EnlargeTarget(FitSize picture, const FitRect& area, bool keepAspect) {
  const FitSize whole{area.Width(), area.Height()};
  if (!keepAspect) return whole;
  if (picture.width <= 0 || picture.height <= 0 || area.Height() <= 0) return picture;
  const double difference = std::fabs(static_cast<double>(area.Width()) / area.Height() -
                                      static_cast<double>(picture.width) / picture.height);
  if (difference > kStretchMin && difference < kStretchMax) return whole;
  return ScaleToFit(picture, area);
}

FitPoint OverlayOrigin(FitSize picture, FitSize overlay, int corner) {
  const int right = picture.width - overlay.width - kOverlayInset;
  const int bottom = picture.height - overlay.height - kOverlayInset;
  switch (corner) {
    case 0:
      return {kOverlayInset, kOverlayInset};
    case 1:
      return {right, kOverlayInset};
    case 2:
      return {kOverlayInset, bottom};
    case 3:
      return {right, bottom};
    default:
      return {0, 0};
  }
}

}  // namespace lumi
