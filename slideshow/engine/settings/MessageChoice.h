#pragma once
// Which of the package's messages goes with the next picture; free of the
// platform. Random numbers are non-negative, as rand() gives them.
#include <functional>

namespace lumi {

using RandomNumber = std::function<int()>;

// A roll from 0 to 99 lets a message through unless it exceeds the frequency,
// so 100 shows one with every picture and 0 with about one in a hundred.
bool MessagePassesFrequency(int roll, int frequency);

// The message after the one shown last, starting again at 0 after the last
// one. The number comes from the user file, which every saver on the machine
// shares, so it may belong to a saver with more messages (or be damaged):
// anything outside 0 .. count - 1 also starts again at 0.
int NextSequentialMessage(int lastDisplayed, int count);

struct MessagePick {
  int number = -1;             // -1: no message with this picture
  bool sequenceMoved = false;  // lastDisplayed should be stored as number
};

// The whole choice for one picture. A count below 1 means no messages.
MessagePick PickMessage(int count, int frequency, bool showRandom, int lastDisplayed,
                        const RandomNumber& random);

}  // namespace lumi
