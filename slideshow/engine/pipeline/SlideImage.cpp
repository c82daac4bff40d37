#include "slideshow/engine/pipeline/SlideImage.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "common/GlobalMemoryLock.h"
#include "slideshow/engine/StartupTrace.h"
#include "slideshow/engine/imaging/win/ImagingDib.h"
#include "slideshow/engine/pipeline/DibPalette.h"
#include "slideshow/engine/pipeline/FitGeometry.h"
#include "slideshow/engine/pipeline/ImagingLock.h"
#include "slideshow/engine/pipeline/PackageMemberSource.h"

namespace lumi {
namespace {

constexpr int kMaxColourExponent = 24;

std::atomic<int> displayColours{0};

FitRect ToFit(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const FitRect& r) { return {r.left, r.top, r.right, r.bottom}; }

zeb::OwnedPalette CreatePaletteFrom(const std::vector<PaletteColour>& colours) {
  if (colours.empty()) return {};
  // LOGPALETTE declares one entry; the block holds them all.
  std::vector<std::uint8_t> block(sizeof(LOGPALETTE) + colours.size() * sizeof(PALETTEENTRY));
  auto* logical = reinterpret_cast<LOGPALETTE*>(block.data());
  logical->palVersion = 0x300;
  logical->palNumEntries = static_cast<WORD>(colours.size());
  for (std::size_t i = 0; i < colours.size(); ++i) {
    logical->palPalEntry[i] = {colours[i].red, colours[i].green, colours[i].blue, 0};
  }
  return zeb::OwnedPalette(CreatePalette(logical));
}

}  // namespace

int DisplayColourCount() {
  int colours = displayColours.load();
  if (colours != 0) return colours;
  int exponent = 0;
  {
    const zeb::WindowDcGuard screen(nullptr);
    exponent = GetDeviceCaps(screen.Get(), PLANES) * GetDeviceCaps(screen.Get(), BITSPIXEL);
  }
  if (exponent > kMaxColourExponent) exponent = kMaxColourExponent;
  colours = exponent < 0 ? 0 : 1 << exponent;
  displayColours.store(colours);
  return colours;
}

void SetDisplayColourCountForTesting(int colours) { displayColours.store(colours); }

bool IsPaletteDisplay() {
  const int colours = DisplayColourCount();
  return colours > 16 && colours <= 256;
}

CSlideImage::~CSlideImage() { Free(); }

bool CSlideImage::Load(const std::string& reference, PackageMemberSource* package) {
  Free();
  ImagingLockGuard lock(progressFn_, progressContext_);
  lastStatus_ = imaging::ImgPrepareLoad(0, 0);
  if (reference.empty()) return false;
  int handle;
  // Exactly the lower-case prefix: "@PK@..." is a file path. The bare prefix
  // names the member with the empty name, which no package holds.
  if (reference.size() > 3 && reference.compare(0, kPackagePrefix.size(), kPackagePrefix) == 0) {
    if (package == nullptr) return false;
    std::uint32_t size = 0;
    std::unique_ptr<unsigned char[]> member =
        package->GetPackageMember(reference.substr(kPackagePrefix.size()), &size);
    if (!member) return false;
    handle = imaging::ImgDecodeMemory(member.get(), size);
    StartupMark("decoded");
  } else {
    handle = imaging::ImgDecodeFile(reference.c_str());
  }
  lastStatus_ = handle;
  if (handle < 0) return false;
  handle_ = handle;
  // Only the size is wanted here: the bitmap is packed when it is drawn,
  // after any enlarging, and packing it now as well would be work thrown away.
  int width = 0, height = 0;
  if (const int status = imaging::ImgGetInfo(handle_, &width, &height, nullptr); status < 0) {
    Free();
    lastStatus_ = status;
    return false;
  }
  width_ = width;
  height_ = height;
  return true;
}

void CSlideImage::Free() {
  ImagingLockGuard lock;
  if (handle_ >= 0) lastStatus_ = imaging::ImgFree(handle_);
  handle_ = -1;
  width_ = height_ = 0;
  bitmap_.Reset();
  palette_.Reset();
}

HGLOBAL CSlideImage::GetBitmapData(int* bitsPerPixel) {
  ImagingLockGuard lock(progressFn_, progressContext_);
  int width = 0, height = 0, bits = 0;
  HGLOBAL data = imaging::ImgGetDib(handle_, &width, &height, &bits);
  if (data == nullptr) return nullptr;
  width_ = width;
  height_ = height;
  if (bitsPerPixel != nullptr) *bitsPerPixel = bits;
  return data;
}

bool CSlideImage::StampOverlay(const std::string& path, int corner) {
  ImagingLockGuard lock(progressFn_, progressContext_);
  if (!IsLoaded()) return false;
  imaging::ImgQueryInfo info{};
  lastStatus_ = imaging::ImgQueryFile(path.c_str(), &info);
  if (lastStatus_ < 0) return false;
  const FitPoint at = OverlayOrigin({width_, height_}, {info.width, info.height}, corner);
  const int composed =
      imaging::ImgComposeFile(handle_, path.c_str(), imaging::kRopSourceCopy, at.x, at.y);
  lastStatus_ = composed;
  if (composed < 0) return false;
  imaging::ImgFree(handle_);
  handle_ = composed;
  return true;
}

bool CSlideImage::Enlarge(const RECT& area, bool keepAspect) {
  ImagingLockGuard lock(progressFn_, progressContext_);
  if (!IsLoaded()) return false;
  const FitSize picture{width_, height_};
  const FitSize target = EnlargeTarget(picture, ToFit(area), keepAspect);
  if (!NeedsResize(picture, target)) return true;
  lastStatus_ = imaging::ImgResizeSmooth(handle_, target.width, target.height);
  if (lastStatus_ == imaging::kImgErrUseResize) {
    lastStatus_ = imaging::ImgResize(handle_, target.width, target.height);
  }
  if (lastStatus_ < 0) {
    Centre(area);
    return false;
  }
  width_ = target.width;
  height_ = target.height;
  return true;
}

void CSlideImage::Centre(const RECT& area) {
  ImagingLockGuard lock(progressFn_, progressContext_);
  dest_ = ToRect(CentreIn({width_, height_}, ToFit(area)));
}

bool CSlideImage::ToGrey() {
  ImagingLockGuard lock(progressFn_, progressContext_);
  // Grey on a display of few colours would only dither into noise.
  if (!IsLoaded() || DisplayColourCount() < 256) return false;
  lastStatus_ = imaging::ImgToGrey(handle_);
  return lastStatus_ >= 0;
}

bool CSlideImage::ReduceColours() {
  ImagingLockGuard lock(progressFn_, progressContext_);
  int bits = 0;
  if (!IsLoaded() || imaging::ImgGetInfo(handle_, nullptr, nullptr, &bits) < 0) return false;
  if (bits == 4) return true;
  if (DisplayColourCount() < 256) {
    lastStatus_ = imaging::ImgReduceLowColor(handle_);
  } else if (bits > 8) {
    // Leaves the 20 colours the system reserves on a palette display.
    lastStatus_ = imaging::ImgReduceColors(handle_, 8, 0, 236);
  }
  return lastStatus_ >= 0;
}

bool CSlideImage::SaveAs(const std::string& path) {
  ImagingLockGuard lock(progressFn_, progressContext_);
  if (!IsLoaded()) return false;
  lastStatus_ = imaging::ImgSaveFile(handle_, path.c_str(), imaging::kSaveWindowsBitmap);
  return lastStatus_ >= 0;
}

bool CSlideImage::MakeDeviceBitmap(HWND window) {
  ImagingLockGuard lock(progressFn_, progressContext_);
  if (bitmap_) return true;
  HGLOBAL data = GetBitmapData();
  if (data == nullptr) return false;
  const zeb::GlobalMemoryLock block(data);
  const std::uint8_t* dib = block.Bytes();
  const std::size_t bitsOffset = DibBitsOffset(dib, block.Size());
  if (bitsOffset == 0) return false;
  if (!palette_) palette_ = CreatePaletteFrom(DibPalette(dib, block.Size()));

  const zeb::WindowDcGuard screen(window);
  if (!screen) return false;
  const zeb::PaletteGuard selected(screen.Get(), palette_.Get(), false);
  if (palette_) RealizePalette(screen.Get());
  const auto* info = reinterpret_cast<const BITMAPINFO*>(dib);
  bitmap_.Reset(CreateDIBitmap(screen.Get(), &info->bmiHeader, CBM_INIT, dib + bitsOffset, info,
                               DIB_RGB_COLORS));
  return static_cast<bool>(bitmap_);
}

bool CSlideImage::Draw(HDC dc) const {
  ImagingLockGuard lock(progressFn_, progressContext_);
  if (!bitmap_) return false;
  zeb::MemoryDcGuard memory(dc);
  // Copying from a context without the picture would paint whatever it
  // holds instead.
  if (!memory.Select(bitmap_.Get())) return false;
  const zeb::PaletteGuard selected(dc, palette_.Get(), false);
  if (palette_) RealizePalette(dc);
  const BOOL copied = BitBlt(dc, dest_.left, dest_.top, dest_.right - dest_.left,
                             dest_.bottom - dest_.top, memory.Get(), 0, 0, SRCCOPY);
  return copied != FALSE;
}

}  // namespace lumi
