#include "Encoders.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace samplegen {
namespace {

void Append(void* context, void* data, int size) {
  auto* out = static_cast<Bytes*>(context);
  auto* bytes = static_cast<const std::uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

Bytes EncodeJpeg(const Image& image, int quality) {
  Bytes out;
  if (!stbi_write_jpg_to_func(Append, &out, image.width, image.height, 3, image.rgb.data(),
                              quality)) {
    out.clear();
  }
  return out;
}

}  // namespace samplegen
