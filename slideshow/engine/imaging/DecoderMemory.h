#pragma once

#include <cstddef>
#include <cstdint>

namespace lumi::imaging {

// The JPEG and bitmap decoders' memory. They allocate their output and their
// working buffers themselves, for every picture; these functions serve them.
//
// Output: while a DirectOutputScope is alive on a thread, the first request
// there for the scope's size (or one byte less: the JPEG decoder adds an end
// mark) is answered with the scope's memory, so the picture is decoded
// straight into its final pixels. Freeing that memory is a no-op; whoever set
// the scope owns it. The caller compares the decoder's result with its
// memory to learn whether that happened.
//
// Working buffers of 256 KiB or more are kept when freed and handed out again
// for the next picture of a similar size, so that decoding picture after
// picture does not have the system map and clear fresh memory each time (a
// progressive 6-megapixel JPEG needs about 30 MB of them).
void* DecoderAlloc(std::size_t size);
void* DecoderRealloc(void* p, std::size_t size);
void DecoderFree(void* p);

class DirectOutputScope {
 public:
  DirectOutputScope(std::uint8_t* block, std::size_t size);
  ~DirectOutputScope();
  DirectOutputScope(const DirectOutputScope&) = delete;
  DirectOutputScope& operator=(const DirectOutputScope&) = delete;
};

}  // namespace lumi::imaging
