#pragma once
// The "Effects" page: which transition effects the saver may pick among, and
// how long an effect takes.
#include <string>
#include <vector>

#include "common/PropertyPage.h"

namespace lumi {

class CSaverSettings;

class CEffectsPage final : public zeb::PropertyPage {
 public:
  struct Effect {
    std::string name;
    int enabled;
  };

  // Reads the values of the effects with these names.
  CEffectsPage(HINSTANCE instance, CSaverSettings& settings,
               const std::vector<std::string>& effectNames);

 protected:
  BOOL OnInitDialog() override;
  bool OnKillActive() override;
  void OnApply() override;

 private:
  CSaverSettings& settings_;
  std::vector<Effect> effects_;  // in the list's order once the page was left
  int speedIndex_;               // 0 long, 1 medium, 2 short; -1 none
};

// The names of the effects the saver can draw, in their catalogue's order.
std::vector<std::string> CatalogueEffectNames();

}  // namespace lumi
