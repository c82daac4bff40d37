#pragma once
// Where the thumbnail cells get their pictures: a seam between the view and
// the image pipeline, so that a test can see which thumbnails were decoded.
#include <windows.h>

#include <string>

namespace lumi {

class PackageMemberSource;

class ThumbnailLoader {
 public:
  virtual ~ThumbnailLoader() = default;
  // A device bitmap (owned by the caller) of the picture the reference
  // names, realised through palette (none: as the display gives it), and its
  // size; null when it cannot be read or decoded.
  virtual HBITMAP Load(const std::string& reference, HPALETTE palette, SIZE& size) = 0;
};

// Decodes through the image pipeline: "@pk@" references from the package.
// On a display of fewer than 256 colours the picture's colours are reduced
// first, as the pipeline does for such displays.
class PackageThumbnailLoader final : public ThumbnailLoader {
 public:
  explicit PackageThumbnailLoader(PackageMemberSource* package) : package_(package) {}
  HBITMAP Load(const std::string& reference, HPALETTE palette, SIZE& size) override;

 private:
  PackageMemberSource* package_;
};

}  // namespace lumi
