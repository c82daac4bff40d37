#include "slideshow/engine/imaging/HandleTable.h"

#include <climits>
#include <map>
#include <mutex>

#include "slideshow/engine/imaging/ImagingApi.h"

namespace lumi::imaging {
namespace {

struct Table {
  std::mutex mutex;
  std::map<int, std::shared_ptr<ImageEntry>> entries;
  int next = 0;
};

Table& TheTable() {
  static Table table;
  return table;
}

}  // namespace

ImageEntry::~ImageEntry() {
  for (const Attachment& a : attachments) a.release(a.block, true);
  GiveBackPixels(std::move(image.pixels));
}

void ImageEntry::Attach(void* block, bool (*release)(void*, bool)) {
  std::erase_if(attachments, [](const Attachment& a) { return a.release(a.block, false); });
  attachments.push_back(Attachment{block, release});
}

int AddImage(Image image) {
  std::shared_ptr<ImageEntry> entry;
  try {
    entry = std::make_shared<ImageEntry>();
  } catch (const std::bad_alloc&) {
    return kImgErrNoMemory;
  }
  entry->image = std::move(image);
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  // After two thousand million images the counter wraps; live handles are
  // skipped so that none is ever given out twice.
  while (table.entries.count(table.next) != 0)
    table.next = table.next == INT_MAX ? 0 : table.next + 1;
  int handle = table.next;
  table.next = table.next == INT_MAX ? 0 : table.next + 1;
  table.entries.emplace(handle, std::move(entry));
  return handle;
}

std::shared_ptr<ImageEntry> FindImage(int handle) {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  auto it = table.entries.find(handle);
  return it == table.entries.end() ? nullptr : it->second;
}

bool RemoveImage(int handle) {
  std::shared_ptr<ImageEntry> entry;
  {
    Table& table = TheTable();
    std::lock_guard lock(table.mutex);
    auto it = table.entries.find(handle);
    if (it == table.entries.end()) return false;
    entry = std::move(it->second);
    table.entries.erase(it);
  }
  return true;  // the entry (and its attachment) goes when the last holder lets go
}

int CountImages() {
  Table& table = TheTable();
  std::lock_guard lock(table.mutex);
  return static_cast<int>(table.entries.size());
}

}  // namespace lumi::imaging
