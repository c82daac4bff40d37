#include "slideshow/engine/settings/MessageChoice.h"

namespace lumi {

bool MessagePassesFrequency(int roll, int frequency) { return roll <= frequency; }

int NextSequentialMessage(int lastDisplayed, int count) {
  if (lastDisplayed < 0 || lastDisplayed >= count - 1) return 0;
  return lastDisplayed + 1;
}

MessagePick PickMessage(int count, int frequency, bool showRandom, int lastDisplayed,
                        const RandomNumber& random) {
  MessagePick pick;
  if (count < 1) return pick;
  if (!MessagePassesFrequency(random() % 100, frequency)) return pick;
  if (showRandom) {
    pick.number = random() % count;
  } else {
    pick.number = NextSequentialMessage(lastDisplayed, count);
    pick.sequenceMoved = true;
  }
  return pick;
}

}  // namespace lumi
