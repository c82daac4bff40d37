#pragma once

#include <memory>
#include <vector>

#include "slideshow/engine/imaging/Image.h"

namespace lumi::imaging {

// What a handle names: the picture and the blocks handed out for it.
struct ImageEntry {
  struct Attachment {
    void* block;
    bool (*release)(void* block, bool final);
  };
  Image image;
  std::vector<Attachment> attachments;

  ImageEntry() = default;
  ImageEntry(const ImageEntry&) = delete;
  ImageEntry& operator=(const ImageEntry&) = delete;
  ~ImageEntry();
  // Releases the earlier blocks that are no longer in use, then keeps this one.
  void Attach(void* block, bool (*release)(void*, bool));
};

// Handles count up and are not reused while the counter lasts, so a handle
// used after ImgFree (or freed twice) is reported instead of reaching another
// picture.
int AddImage(Image image);
// The entry under handle, or null. The entry stays alive for the holder of the
// returned pointer even if the handle is freed meanwhile.
std::shared_ptr<ImageEntry> FindImage(int handle);
bool RemoveImage(int handle);
int CountImages();

}  // namespace lumi::imaging
