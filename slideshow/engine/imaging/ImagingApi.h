#pragma once

#include <cstdint>
#include <vector>

// The imaging calls the image pipeline makes: decoding, resizing, colour work,
// composing and saving, on images named by handles. Every call returns a
// handle (0 or more) or a status; a negative result is one of the error codes
// below. The engine calls these under its imaging lock, but the handle table
// guards itself as well so that a stray call from another thread cannot
// corrupt it.
namespace lumi::imaging {

inline constexpr int kImgOk = 0;
inline constexpr int kImgErrBadHandle = -1;    // no image under this handle (never made or freed)
inline constexpr int kImgErrBadArgument = -2;  // null pointer, size below 1, unknown option
inline constexpr int kImgErrNoMemory = -3;
inline constexpr int kImgErrDecode = -4;       // not a JPEG or Windows bitmap, damaged or truncated
inline constexpr int kImgErrFile = -5;         // the file cannot be opened, read or written
inline constexpr int kImgErrStopped = -6;      // the progress function asked to stop
inline constexpr int kImgErrUseResize = -7;    // the smooth resize cannot do it; the plain one can
inline constexpr int kImgErrTooLarge = -8;     // more pixels than a 32-bit process can hold safely
inline constexpr int kImgErrUnsupported = -9;  // raster operation or save format we do not provide

// The one raster operation ImgComposeFile performs: the overlay replaces the
// pixels under it.
inline constexpr std::uint32_t kRopSourceCopy = 0x00CC0020;

// Save format for ImgSaveFile: an uncompressed Windows bitmap file.
inline constexpr int kSaveWindowsBitmap = 1;

// Option bits of ImgReduceColors.
inline constexpr int kReduceOrderedDither = 1;

// Largest picture, in pixels, that is decoded or produced: 40 megapixels at 3
// bytes each stays well inside a 32-bit address space beside the device bitmap.
inline constexpr std::int64_t kMaxPixels = 40'000'000;
inline constexpr int kMaxSide = 16384;

// Called during long operations with the installed context and the number of
// calls the current operation will make in total. Non-zero stops the operation,
// which then fails with kImgErrStopped and leaves its image unchanged.
using ProgressFn = int (*)(void* context, int totalCalls);

// The 40-byte block ImgQueryFile fills: laid out as a Windows bitmap info
// header, so the 2nd and 3rd 32-bit values are the width and height.
struct ImgQueryInfo {
  std::int32_t size;
  std::int32_t width;
  std::int32_t height;
  std::int16_t planes;
  std::int16_t bitCount;
  std::int32_t compression;
  std::int32_t sizeImage;
  std::int32_t xPelsPerMeter;
  std::int32_t yPelsPerMeter;
  std::int32_t colorsUsed;
  std::int32_t colorsImportant;
};
static_assert(sizeof(ImgQueryInfo) == 40);

// Before each decode; kept for the caller's status record, nothing to prepare.
int ImgPrepareLoad(int reserved1, int reserved2);

// Decodes a JPEG or Windows bitmap held in memory. The length bounds every read
// of the decoder; the caller keeps ownership of the buffer.
int ImgDecodeMemory(const void* buffer, std::size_t length);
int ImgDecodeFile(const char* path);

// Releases the image and whatever was handed out for it (the bitmap block).
int ImgFree(int handle);

// The image's width, height and depth, without making anything of it.
int ImgGetInfo(int handle, int* width, int* height, int* bitsPerPixel);

// Installs (on != 0) or removes the progress function for all later calls.
int ImgSetProgress(void* context, ProgressFn function, int on, int reserved1, int reserved2);

// Width, height and depth without decoding the pixels. info must point to the
// caller's 40-byte block.
int ImgQueryFile(const char* path, ImgQueryInfo* info);
int ImgQueryMemory(const void* buffer, std::size_t length, ImgQueryInfo* info);

// A new image: the handle's picture with the file's picture copied at (x, y),
// clipped to the picture. The old handle stays valid.
int ImgComposeFile(int handle, const char* path, std::uint32_t rop, int x, int y);
int ImgComposeMemory(int handle, const void* buffer, std::size_t length, std::uint32_t rop, int x,
                     int y);

// In-place changes of the handle's image; on failure the image is unchanged.
int ImgResizeSmooth(int handle, int width, int height);
int ImgResize(int handle, int width, int height);
int ImgToGrey(int handle);
int ImgReduceLowColor(int handle);
int ImgReduceColors(int handle, int bitsPerPixel, int options, int maxColours);

int ImgSaveFile(int handle, const char* path, int format);

// The image as a packed device-independent bitmap (40-byte header, colour
// table, bottom-up rows padded to 4 bytes). The Windows binding wraps this in
// movable global memory.
int ImgGetPackedDib(int handle, std::vector<std::uint8_t>& dib, int* width, int* height,
                    int* bitsPerPixel);

// Ties a block handed out for the image to its life. When a later block is
// attached, release(block, false) is asked to let go of each earlier one and
// answers whether it did (a block the caller still has locked stays); when the
// image is freed, release(block, true) must let go.
using ReleaseFn = bool (*)(void* block, bool final);
int ImgAttach(int handle, void* block, ReleaseFn release);

// Number of live images, for leak checks.
int ImgLiveCount();

}  // namespace lumi::imaging
