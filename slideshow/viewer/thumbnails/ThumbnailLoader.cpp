#include "slideshow/viewer/thumbnails/ThumbnailLoader.h"

#include <cstdint>

#include "common/GdiGuards.h"
#include "common/GlobalMemoryLock.h"
#include "slideshow/engine/pipeline/DibPalette.h"
#include "slideshow/engine/pipeline/ImagingLock.h"
#include "slideshow/engine/pipeline/SlideImage.h"

namespace lumi {

HBITMAP PackageThumbnailLoader::Load(const std::string& reference, HPALETTE palette, SIZE& size) {
  // The packed bitmap belongs to the imaging module until the image is
  // freed; the lock keeps the slideshow thread out meanwhile.
  ImagingLockGuard lock;
  CSlideImage image;
  if (!image.Load(reference, package_)) return nullptr;
  if (DisplayColourCount() < 256 && !image.ReduceColours()) return nullptr;
  HGLOBAL data = image.GetBitmapData();
  if (data == nullptr) return nullptr;
  const zeb::GlobalMemoryLock dib(data);
  const std::size_t bitsOffset = DibBitsOffset(dib.Bytes(), dib.Size());
  if (bitsOffset == 0) return nullptr;

  zeb::WindowDcGuard screen(nullptr);
  if (!screen) return nullptr;
  zeb::PaletteGuard selected(screen.Get(), palette, false);
  if (palette != nullptr) RealizePalette(screen.Get());
  const auto* info = reinterpret_cast<const BITMAPINFO*>(dib.Bytes());
  HBITMAP bitmap = CreateDIBitmap(screen.Get(), &info->bmiHeader, CBM_INIT,
                                  dib.Bytes() + bitsOffset, info, DIB_RGB_COLORS);
  if (bitmap != nullptr) size = SIZE{image.Width(), image.Height()};
  return bitmap;
}

}  // namespace lumi
