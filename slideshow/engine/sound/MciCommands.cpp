#include "slideshow/engine/sound/MciCommands.h"

#include <cstdlib>

namespace lumi {
namespace {

class WinmmCommands final : public MciCommands {
 public:
  MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags,
                       DWORD_PTR params) override {
    return mciSendCommandA(device, message, flags, params);
  }
};

class CrtRandom final : public PlayerRandom {
 public:
  void Seed(unsigned seed) override { std::srand(seed); }
  int Next() override { return std::rand(); }
};

class TimeClock final : public PlayerClock {
 public:
  std::time_t Now() override { return std::time(nullptr); }
};

class BoxReport final : public PlayerReport {
 public:
  void Show(const std::string& text) override {
    MessageBoxA(nullptr, text.c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
  }
};

}  // namespace

MciCommands& SystemMci() {
  static WinmmCommands commands;
  return commands;
}

PlayerRandom& RuntimeRandom() {
  static CrtRandom random;
  return random;
}

PlayerClock& SystemClock() {
  static TimeClock clock;
  return clock;
}

PlayerReport& MessageBoxReport() {
  static BoxReport report;
  return report;
}

}  // namespace lumi
