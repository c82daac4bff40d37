#pragma once
// CSlideImage: one picture held by the imaging module, and once made, the
// device bitmap and palette that paint it and the rectangle it goes in.
// Every operation takes the process-wide imaging lock for its duration.
#include <windows.h>

#include <string>

#include "common/GdiGuards.h"
#include "slideshow/engine/collection/PictureRules.h"
#include "slideshow/engine/imaging/ImagingApi.h"

namespace lumi {

class PackageMemberSource;

// Corners for the overlay graphic: the ones a picture record stores.
using OverlayCorner = OverlayPosition;

class CSlideImage {
 public:
  CSlideImage() = default;
  ~CSlideImage();
  CSlideImage(const CSlideImage&) = delete;
  CSlideImage& operator=(const CSlideImage&) = delete;

  // Frees what is held, then decodes the reference: "@pk@name" is a member of
  // package (none: such references fail), anything else a file path. True
  // when an image is held afterwards.
  bool Load(const std::string& reference, PackageMemberSource* package);
  // Releases the image, the device bitmap and the palette.
  void Free();
  bool IsLoaded() const { return handle_ >= 0; }

  int Handle() const { return handle_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int LastStatus() const { return lastStatus_; }

  // The packed device-independent bitmap (movable global memory owned by the
  // imaging module until Free); width, height and depth are refreshed.
  HGLOBAL GetBitmapData(int* bitsPerPixel = nullptr);

  // Composes the graphic file 20 pixels in from the given corner.
  bool StampOverlay(const std::string& path, int corner);
  // Resizes the picture for area: fitted, or stretched when the aspects
  // nearly match (keepAspect), or to the whole area (not keepAspect).
  bool Enlarge(const RECT& area, bool keepAspect);
  // The destination rectangle: the picture, unscaled, centred in area.
  void Centre(const RECT& area);
  // Fails on displays of fewer than 256 colours.
  bool ToGrey();
  // Adapts the colours to the display.
  bool ReduceColours();
  bool SaveAs(const std::string& path);

  // Creates the palette and device bitmap once per loaded picture.
  bool MakeDeviceBitmap(HWND window);
  // Selects and realises the palette, then copies the device bitmap to the
  // destination rectangle. False when no device bitmap exists or it cannot
  // be drawn from.
  bool Draw(HDC dc) const;

  const RECT& DestRect() const { return dest_; }
  void SetDestRect(const RECT& r) { dest_ = r; }
  // Both stay the picture's: a caller draws with them but never deletes them.
  HBITMAP Bitmap() const { return bitmap_.Get(); }
  HPALETTE Palette() const { return palette_.Get(); }

  // The function the imaging module reports progress to while this image
  // holds the imaging lock; null removes it.
  void SetProgressHook(imaging::ProgressFn function, void* context) {
    progressFn_ = function;
    progressContext_ = context;
  }
  imaging::ProgressFn ProgressFunction() const { return progressFn_; }
  void* ProgressContext() const { return progressContext_; }

 private:
  int handle_ = -1;
  int width_ = 0;
  int height_ = 0;
  int lastStatus_ = 0;
  RECT dest_{};
  // The palette goes after the bitmap made with it.
  zeb::OwnedPalette palette_;
  zeb::OwnedBitmap bitmap_;
  imaging::ProgressFn progressFn_ = nullptr;
  void* progressContext_ = nullptr;
};

// Colours the desktop shows: 2 to the power (planes x bits per pixel), the
// exponent capped at 24, counted once. Tests may fix it.
int DisplayColourCount();
void SetDisplayColourCountForTesting(int colours);  // 0 counts the desktop again
// More than 16 and at most 256 colours.
bool IsPaletteDisplay();

}  // namespace lumi
