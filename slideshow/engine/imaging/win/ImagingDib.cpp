#include "imaging/win/ImagingDib.h"

#include <cstring>
#include <vector>

namespace lumi::imaging {
namespace {

// A block the caller still has locked may be in use (a device bitmap being
// made from it); it is kept until the image is freed.
bool ReleaseBlock(void* block, bool final) {
  HGLOBAL memory = static_cast<HGLOBAL>(block);
  if (!final && (GlobalFlags(memory) & GMEM_LOCKCOUNT) != 0) return false;
  GlobalFree(memory);
  return true;
}

}  // namespace

HGLOBAL ImgGetDib(int handle, int* width, int* height, int* bitsPerPixel) {
  std::vector<std::uint8_t> dib;
  if (ImgGetPackedDib(handle, dib, width, height, bitsPerPixel) != kImgOk) return nullptr;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, dib.size());
  if (block == nullptr) return nullptr;
  void* bits = GlobalLock(block);
  if (bits == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  std::memcpy(bits, dib.data(), dib.size());
  GlobalUnlock(block);
  if (ImgAttach(handle, block, &ReleaseBlock) != kImgOk) {
    GlobalFree(block);
    return nullptr;
  }
  return block;
}

}  // namespace lumi::imaging
