#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumipack {

// The viewer lays thumbnails out in cells sized for pictures 70 pixels wide.
inline constexpr int kThumbnailWidth = 70;

// Height of a thumbnail 70 pixels wide that keeps the picture's proportions,
// rounded to the nearest pixel and at least 1.
int ThumbnailHeight(int width, int height);

struct PhotoThumbnail {
  int pictureWidth = 0;  // of the upright picture, as the slideshow will show it
  int pictureHeight = 0;
  std::string bitmap;  // the thumbnail member: a palette Windows bitmap file
};

// Decodes the photo (turned upright by its Exif orientation), shrinks it to
// the thumbnail size and reduces it to at most 256 colours, so that it stays a
// few kilobytes like the samples' thumbnails (8 bits a pixel, or 4 when 16
// colours are enough). Returns the imaging module's status: 0, or a negative error.
int MakePhotoThumbnail(const std::vector<std::uint8_t>& photo, PhotoThumbnail& thumbnail);

// A few words for the user on why a photo could not be used.
std::string DescribeImagingError(int status);

}  // namespace lumipack
