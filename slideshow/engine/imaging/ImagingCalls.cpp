#include <algorithm>
#include <cstring>
#include <utility>

#include "slideshow/engine/imaging/ColourWork.h"
#include "slideshow/engine/imaging/Decoder.h"
#include "slideshow/engine/imaging/FileBytes.h"
#include "slideshow/engine/imaging/HandleTable.h"
#include "slideshow/engine/imaging/ImagingApi.h"
#include "slideshow/engine/imaging/PackedDib.h"
#include "slideshow/engine/imaging/Progress.h"
#include "slideshow/engine/imaging/Resample.h"

namespace lumi::imaging {
namespace {

// Runs an in-place change: the work reads the current picture and builds a
// new one, which replaces it only on success.
template <typename Work>
int ChangeImage(int handle, Work work) {
  std::shared_ptr<ImageEntry> entry = FindImage(handle);
  if (!entry) return kImgErrBadHandle;
  Image result;
  int status;
  try {
    status = work(entry->image, result);
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
  if (status == kImgOk) {
    std::swap(entry->image, result);
    GiveBackPixels(std::move(result.pixels));
  }
  return status;
}

int DecodeToHandle(const std::uint8_t* data, std::size_t length) {
  Image image;
  int status = DecodePicture(data, length, image);
  return status == kImgOk ? AddImage(std::move(image)) : status;
}

}  // namespace

int ImgPrepareLoad(int, int) { return kImgOk; }

int ImgDecodeMemory(const void* buffer, std::size_t length) {
  if (buffer == nullptr) return kImgErrBadArgument;
  return DecodeToHandle(static_cast<const std::uint8_t*>(buffer), length);
}

int ImgDecodeFile(const char* path) {
  std::vector<std::uint8_t> bytes;
  if (int status = ReadWholeFile(path, bytes); status != kImgOk) return status;
  return DecodeToHandle(bytes.data(), bytes.size());
}

int ImgFree(int handle) { return RemoveImage(handle) ? kImgOk : kImgErrBadHandle; }

int ImgGetInfo(int handle, int* width, int* height, int* bitsPerPixel) {
  std::shared_ptr<ImageEntry> entry = FindImage(handle);
  if (!entry) return kImgErrBadHandle;
  if (width != nullptr) *width = entry->image.width;
  if (height != nullptr) *height = entry->image.height;
  if (bitsPerPixel != nullptr) *bitsPerPixel = entry->image.BitsPerPixel();
  return kImgOk;
}

int ImgSetProgress(void* context, ProgressFn function, int on, int, int) {
  if (on != 0 && function == nullptr) return kImgErrBadArgument;
  if (on != 0) {
    SetProgressFunction(context, function);
  } else {
    SetProgressFunction(nullptr, nullptr);
  }
  return kImgOk;
}

int ImgQueryMemory(const void* buffer, std::size_t length, ImgQueryInfo* info) {
  if (buffer == nullptr || info == nullptr) return kImgErrBadArgument;
  return QueryPicture(static_cast<const std::uint8_t*>(buffer), length, *info);
}

int ImgQueryFile(const char* path, ImgQueryInfo* info) {
  if (info == nullptr) return kImgErrBadArgument;
  std::vector<std::uint8_t> bytes;
  if (int status = ReadWholeFile(path, bytes); status != kImgOk) return status;
  return QueryPicture(bytes.data(), bytes.size(), *info);
}

int ImgComposeMemory(int handle, const void* buffer, std::size_t length, std::uint32_t rop, int x,
                     int y) {
  std::shared_ptr<ImageEntry> entry = FindImage(handle);
  if (!entry) return kImgErrBadHandle;
  if (buffer == nullptr) return kImgErrBadArgument;
  if (rop != kRopSourceCopy) return kImgErrUnsupported;
  Image overlay;
  if (int status = DecodePicture(static_cast<const std::uint8_t*>(buffer), length, overlay);
      status != kImgOk)
    return status;
  try {
    Image picture = ToRgb(entry->image);
    // Only the part of the overlay that lies on the picture is copied.
    int left = std::max(x, 0), top = std::max(y, 0);
    int right = static_cast<int>(
        std::min<long long>(picture.width, static_cast<long long>(x) + overlay.width));
    int bottom = static_cast<int>(
        std::min<long long>(picture.height, static_cast<long long>(y) + overlay.height));
    for (int row = top; row < bottom && left < right; ++row) {
      std::memcpy(picture.Row(row) + std::size_t{3} * left,
                  overlay.Row(row - y) + std::size_t{3} * (left - x),
                  std::size_t{3} * (right - left));
    }
    return AddImage(std::move(picture));
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
}

int ImgComposeFile(int handle, const char* path, std::uint32_t rop, int x, int y) {
  if (!FindImage(handle)) return kImgErrBadHandle;
  std::vector<std::uint8_t> bytes;
  if (int status = ReadWholeFile(path, bytes); status != kImgOk) return status;
  return ImgComposeMemory(handle, bytes.data(), bytes.size(), rop, x, y);
}

int ImgResizeSmooth(int handle, int width, int height) {
  return ChangeImage(handle, [&](const Image& in, Image& out) {
    if (in.width == width && in.height == height) {
      out = in;
      return kImgOk;
    }
    return ResampleSmooth(in, width, height, out);
  });
}

int ImgResize(int handle, int width, int height) {
  return ChangeImage(
      handle, [&](const Image& in, Image& out) { return ResamplePlain(in, width, height, out); });
}

int ImgToGrey(int handle) { return ChangeImage(handle, MakeGrey); }

int ImgReduceLowColor(int handle) { return ChangeImage(handle, ReduceToDisplayColours); }

int ImgReduceColors(int handle, int bitsPerPixel, int options, int maxColours) {
  if (bitsPerPixel < 1 || bitsPerPixel > 8 || maxColours < 0 ||
      (options & ~kReduceOrderedDither) != 0)
    return FindImage(handle) ? kImgErrBadArgument : kImgErrBadHandle;
  int limit = 1 << bitsPerPixel;
  int colours = maxColours == 0 ? limit : std::min(maxColours, limit);
  colours = std::max(colours, 2);
  return ChangeImage(handle, [&](const Image& in, Image& out) {
    return Quantise(in, colours, (options & kReduceOrderedDither) != 0, out);
  });
}

int ImgSaveFile(int handle, const char* path, int format) {
  std::shared_ptr<ImageEntry> entry = FindImage(handle);
  if (!entry) return kImgErrBadHandle;
  if (format != kSaveWindowsBitmap) return kImgErrUnsupported;
  if (path == nullptr || *path == '\0') return kImgErrBadArgument;
  std::vector<std::uint8_t> file;
  try {
    file = MakeBitmapFile(entry->image);
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
  // Asked once the bitmap is ready and before the file is touched, so a stop
  // never leaves a half-written wallpaper behind.
  ProgressStage progress(1);
  if (progress.Step()) return kImgErrStopped;
  return WriteWholeFile(path, file);
}

int ImgGetPackedDib(int handle, std::vector<std::uint8_t>& dib, int* width, int* height,
                    int* bitsPerPixel) {
  std::shared_ptr<ImageEntry> entry = FindImage(handle);
  if (!entry) return kImgErrBadHandle;
  try {
    // The caller's vector is filled in place: one passed in again for the next
    // picture keeps its memory.
    dib.resize(PackedDibSize(entry->image));
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
  WritePackedDib(entry->image, dib.data());
  if (width != nullptr) *width = entry->image.width;
  if (height != nullptr) *height = entry->image.height;
  if (bitsPerPixel != nullptr) *bitsPerPixel = entry->image.BitsPerPixel();
  return kImgOk;
}

int ImgAttach(int handle, void* block, ReleaseFn release) {
  if (block == nullptr || release == nullptr) return kImgErrBadArgument;
  std::shared_ptr<ImageEntry> entry = FindImage(handle);
  if (!entry) return kImgErrBadHandle;
  try {
    entry->Attach(block, release);
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
  return kImgOk;
}

int ImgLiveCount() { return CountImages(); }

}  // namespace lumi::imaging
