#include "PhotoThumbnail.h"

#include <algorithm>

#include "slideshow/engine/imaging/ImagingApi.h"

namespace lumipack {
namespace {

namespace img = lumi::imaging;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

// Frees the decoded picture however the thumbnail ends.
class ImageHandle {
 public:
  explicit ImageHandle(int handle) : handle_(handle) {}
  ImageHandle(const ImageHandle&) = delete;
  ImageHandle& operator=(const ImageHandle&) = delete;
  ~ImageHandle() {
    if (handle_ >= 0) img::ImgFree(handle_);
  }
  int Get() const { return handle_; }

 private:
  int handle_;
};

void Put32(std::string& out, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>(value >> (8 * i));
}

// The 14-byte file header in front of a packed bitmap: total size and where
// the pixel rows start, after the info header and the colour table.
std::string BitmapFile(const std::vector<std::uint8_t>& dib, int bitsPerPixel) {
  std::uint32_t colours = 0;
  if (bitsPerPixel <= 8 && dib.size() >= kInfoHeaderSize) {
    for (int i = 3; i >= 0; --i) colours = colours << 8 | dib[32 + i];
    if (colours == 0) colours = 1u << bitsPerPixel;
  }
  std::string file(kFileHeaderSize, '\0');
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 2, static_cast<std::uint32_t>(kFileHeaderSize + dib.size()));
  Put32(file, 10, static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + 4 * colours));
  file.append(dib.begin(), dib.end());
  return file;
}

}  // namespace

int ThumbnailHeight(int width, int height) {
  if (width <= 0 || height <= 0) return 1;
  const long long rounded = (static_cast<long long>(kThumbnailWidth) * height + width / 2) / width;
  return static_cast<int>(std::clamp<long long>(rounded, 1, img::kMaxSide));
}

int MakePhotoThumbnail(const std::vector<std::uint8_t>& photo, PhotoThumbnail& thumbnail) {
  if (photo.empty()) return img::kImgErrDecode;
  // The query gives the upright size without a second copy of the pixels.
  img::ImgQueryInfo info{};
  if (int status = img::ImgQueryMemory(photo.data(), photo.size(), &info); status != img::kImgOk) {
    return status;
  }
  const int width = info.width, height = info.height;
  ImageHandle picture(img::ImgDecodeMemory(photo.data(), photo.size()));
  if (picture.Get() < 0) return picture.Get();

  const int thumbHeight = ThumbnailHeight(width, height);
  int status = img::ImgResizeSmooth(picture.Get(), kThumbnailWidth, thumbHeight);
  // Very thin strips are beyond the smooth filter; the plain one still works.
  if (status == img::kImgErrUseResize) {
    status = img::ImgResize(picture.Get(), kThumbnailWidth, thumbHeight);
  }
  if (status != img::kImgOk) return status;
  if (status = img::ImgReduceColors(picture.Get(), 8, 0, 256); status != img::kImgOk) {
    return status;
  }
  std::vector<std::uint8_t> dib;
  int bits = 0;
  if (status = img::ImgGetPackedDib(picture.Get(), dib, nullptr, nullptr, &bits);
      status != img::kImgOk)
    return status;
  thumbnail.pictureWidth = width;
  thumbnail.pictureHeight = height;
  thumbnail.bitmap = BitmapFile(dib, bits);
  return img::kImgOk;
}

std::string DescribeImagingError(int status) {
  switch (status) {
    case lumi::imaging::kImgErrDecode:
      return "not a readable JPEG (damaged or cut short)";
    case lumi::imaging::kImgErrTooLarge:
      return "picture too large (more than 40 megapixels or 16384 pixels a side)";
    case lumi::imaging::kImgErrNoMemory:
      return "not enough memory to decode it";
    case lumi::imaging::kImgErrFile:
      return "cannot read the file";
    default:
      return "cannot make a thumbnail (imaging error " + std::to_string(status) + ")";
  }
}

}  // namespace lumipack
