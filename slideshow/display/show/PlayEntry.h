#pragma once
// One place in the play order and the picture record the loop works from,
// as plain data so the order and the loop need nothing of the platform.
#include <string>

namespace lumi {

struct PlayEntry {
  int collection = 0;  // number of the collection in the collection list
  int picture = 0;     // picture index within that collection, from 0

  friend bool operator==(const PlayEntry&, const PlayEntry&) = default;
};

// The parts of a picture's record the slideshow uses.
struct ShowPicture {
  PlayEntry entry;
  std::string title;
  std::string imageRef;
  std::string thumbRef;
  std::string graphicName;
  int graphicPosition = 3;  // bottom right
  std::string soundName;
  int repeatSound = 0;
  int displayTime = 0;  // seconds; 0 means the general image delay
};

}  // namespace lumi
