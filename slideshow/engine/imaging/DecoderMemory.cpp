#include "slideshow/engine/imaging/DecoderMemory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace lumi::imaging {
namespace {

struct DirectOutput {
  std::uint8_t* block = nullptr;
  std::size_t size = 0;
  bool given = false;
};
thread_local DirectOutput tDirect;

// Every other block carries its capacity in front of it, so that a freed one
// can be kept and matched to a later request. 16 bytes keep the decoder's
// memory aligned for its vector code.
constexpr std::size_t kHeader = 16;
constexpr std::size_t kSmallestKept = 256u << 10;
constexpr std::size_t kKeptTotal = 40u << 20;
constexpr int kKeptBlocks = 12;

struct KeptBlocks {
  std::mutex mutex;
  void* blocks[kKeptBlocks] = {};  // the raw allocations, header first
  std::size_t total = 0;
};

KeptBlocks& TheKept() {
  static KeptBlocks kept;
  return kept;
}

std::size_t& CapacityOf(void* raw) { return *static_cast<std::size_t*>(raw); }

void* RawOf(void* p) { return static_cast<std::uint8_t*>(p) - kHeader; }

// A kept block that fits the request without wasting more than half of it.
void* TakeKept(std::size_t size) {
  KeptBlocks& kept = TheKept();
  std::lock_guard lock(kept.mutex);
  void** best = nullptr;
  for (void*& block : kept.blocks)
    if (block != nullptr && CapacityOf(block) >= size && CapacityOf(block) / 2 <= size &&
        (best == nullptr || CapacityOf(block) < CapacityOf(*best)))
      best = &block;
  if (best == nullptr) return nullptr;
  void* raw = *best;
  *best = nullptr;
  kept.total -= CapacityOf(raw);
  return raw;
}

bool Keep(void* raw) {
  const std::size_t capacity = CapacityOf(raw);
  if (capacity < kSmallestKept) return false;
  KeptBlocks& kept = TheKept();
  std::lock_guard lock(kept.mutex);
  if (kept.total + capacity > kKeptTotal) return false;
  for (void*& block : kept.blocks)
    if (block == nullptr) {
      block = raw;
      kept.total += capacity;
      return true;
    }
  return false;
}

}  // namespace

void* DecoderAlloc(std::size_t size) {
  DirectOutput& d = tDirect;
  if (d.block != nullptr && !d.given && (size == d.size || size + 1 == d.size)) {
    d.given = true;
    return d.block;
  }
  if (size > static_cast<std::size_t>(-1) - kHeader) return nullptr;
  void* raw = size >= kSmallestKept ? TakeKept(size) : nullptr;
  if (raw == nullptr) {
    raw = std::malloc(kHeader + size);
    if (raw == nullptr) return nullptr;
    CapacityOf(raw) = size;
  }
  return static_cast<std::uint8_t*>(raw) + kHeader;
}

void DecoderFree(void* p) {
  if (p == nullptr || p == tDirect.block) return;
  void* raw = RawOf(p);
  if (!Keep(raw)) std::free(raw);
}

void* DecoderRealloc(void* p, std::size_t size) {
  if (p == nullptr) return DecoderAlloc(size);
  const std::size_t old = p == tDirect.block ? tDirect.size : CapacityOf(RawOf(p));
  if (p != tDirect.block && old >= size) return p;
  void* moved = DecoderAlloc(size);
  if (moved == nullptr) return nullptr;  // p stays valid, as with realloc
  std::memcpy(moved, p, std::min(old, size));
  DecoderFree(p);
  return moved;
}

DirectOutputScope::DirectOutputScope(std::uint8_t* block, std::size_t size) {
  tDirect = {block, size, false};
}

DirectOutputScope::~DirectOutputScope() { tDirect = {}; }

}  // namespace lumi::imaging
