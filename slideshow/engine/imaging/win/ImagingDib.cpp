#include "slideshow/engine/imaging/win/ImagingDib.h"

#include <memory>
#include <mutex>
#include <utility>

#include "slideshow/engine/imaging/HandleTable.h"
#include "slideshow/engine/imaging/PackedDib.h"

namespace lumi::imaging {
namespace {

// Blocks let go by images are kept for the next bitmaps instead of being
// freed: a block of screen size or more is mapped afresh by the system heap
// each time, which costs several times the packing itself. Two are kept (the
// source-sized block made right after decoding and the screen-sized one),
// each up to the size of a large photograph.
constexpr SIZE_T kLargestKept = 24u << 20;

struct BlockCache {
  std::mutex mutex;
  HGLOBAL kept[2] = {};
};

BlockCache& TheCache() {
  static BlockCache cache;
  return cache;
}

// A block of exactly `size` bytes, unlocked.
HGLOBAL TakeBlock(SIZE_T size) {
  HGLOBAL found = nullptr;
  {
    BlockCache& cache = TheCache();
    std::lock_guard lock(cache.mutex);
    HGLOBAL* best = nullptr;
    for (HGLOBAL& block : cache.kept)
      if (block != nullptr && GlobalSize(block) >= size &&
          (best == nullptr || GlobalSize(block) < GlobalSize(*best)))
        best = &block;
    if (best != nullptr) std::swap(found, *best);
  }
  if (found != nullptr) {
    if (GlobalSize(found) == size) return found;
    if (HGLOBAL resized = GlobalReAlloc(found, size, GMEM_MOVEABLE)) return resized;
    GlobalFree(found);
  }
  return GlobalAlloc(GMEM_MOVEABLE, size);
}

void KeepBlock(HGLOBAL block) {
  const SIZE_T size = GlobalSize(block);
  if (size <= kLargestKept) {
    BlockCache& cache = TheCache();
    std::lock_guard lock(cache.mutex);
    // An empty place, else the smallest kept block if this one is larger.
    HGLOBAL* place = nullptr;
    for (HGLOBAL& kept : cache.kept)
      if (place == nullptr || kept == nullptr ||
          (*place != nullptr && GlobalSize(kept) < GlobalSize(*place)))
        place = &kept;
    if (*place == nullptr || GlobalSize(*place) < size) std::swap(*place, block);
  }
  if (block != nullptr) GlobalFree(block);
}

// A block the caller still has locked may be in use (a device bitmap being
// made from it); it is kept until the image is freed, and then freed rather
// than handed out again.
bool ReleaseBlock(void* block, bool final) {
  HGLOBAL memory = static_cast<HGLOBAL>(block);
  const bool locked = (GlobalFlags(memory) & GMEM_LOCKCOUNT) != 0;
  if (locked && !final) return false;
  if (locked) {
    GlobalFree(memory);
  } else {
    KeepBlock(memory);
  }
  return true;
}

}  // namespace

HGLOBAL ImgGetDib(int handle, int* width, int* height, int* bitsPerPixel) {
  std::shared_ptr<ImageEntry> entry = FindImage(handle);
  if (!entry) return nullptr;
  const Image& image = entry->image;
  // The bitmap is written straight into the block: at screen size a detour
  // through another buffer costs as much as the packing itself.
  HGLOBAL block = TakeBlock(PackedDibSize(image));
  if (block == nullptr) return nullptr;
  void* bits = GlobalLock(block);
  if (bits == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  WritePackedDib(image, static_cast<std::uint8_t*>(bits));
  GlobalUnlock(block);
  if (ImgAttach(handle, block, &ReleaseBlock) != kImgOk) {
    KeepBlock(block);
    return nullptr;
  }
  if (width != nullptr) *width = image.width;
  if (height != nullptr) *height = image.height;
  if (bitsPerPixel != nullptr) *bitsPerPixel = image.BitsPerPixel();
  return block;
}

}  // namespace lumi::imaging
