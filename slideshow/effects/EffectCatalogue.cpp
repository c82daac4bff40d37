#include "slideshow/effects/EffectCatalogue.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <utility>
#include <vector>

#include "slideshow/effects/blocks/DripEffect.h"
#include "slideshow/effects/blocks/HotBlocksEffect.h"
#include "slideshow/effects/blocks/RainDropsEffect.h"
#include "slideshow/effects/blocks/ScrambleEffect.h"
#include "slideshow/effects/blocks/SpiralBlocksEffect.h"
#include "slideshow/effects/sweeps/AngleSweepsEffect.h"
#include "slideshow/effects/sweeps/PictureSlideEffect.h"
#include "slideshow/effects/sweeps/PlusSweepsEffect.h"
#include "slideshow/effects/sweeps/ScannerSweepEffect.h"
#include "slideshow/effects/sweeps/ScrollBlocksEffect.h"
#include "slideshow/effects/sweeps/VenetianBlindsEffect.h"
#include "slideshow/effects/sweeps/WeaveLinesEffect.h"
#include "slideshow/engine/settings/SaverSettings.h"

namespace lumi {
namespace {

template <typename Effect, typename... Args>
std::unique_ptr<CTransitionEffect> Make(Args... args) {
  return std::unique_ptr<CTransitionEffect>(new (std::nothrow) Effect(args...));
}

std::unique_ptr<CTransitionEffect> MakeRow(int index) {
  switch (index) {
    case 0: return Make<CDripEffect>(CDripEffect::Mode::Paint);
    case 1: return Make<CDripEffect>(CDripEffect::Mode::Blocks);
    case 2: return Make<CRainDropsEffect>();
    case 3: return Make<CScrambleEffect>(CScrambleEffect::Mode::Plain);
    case 4: return Make<CScrambleEffect>(CScrambleEffect::Mode::Jumbled);
    case 5: return Make<CScannerSweepEffect>();
    case 6: return Make<CPlusSweepsEffect>();
    case 7: return Make<CAngleSweepsEffect>();
    case 8: return Make<CPictureSlideEffect>();
    case 9: return Make<CWeaveLinesEffect>();
    case 10: return Make<CVenetianBlindsEffect>();
    case 11: return Make<CHotBlocksEffect>();
    case 12: return Make<CSpiralBlocksEffect>();
    default: return Make<CScrollBlocksEffect>();
  }
}

}  // namespace

int GetEffectCount() { return kEffectCount; }

std::unique_ptr<CTransitionEffect> CreateEffect(int index) {
  return MakeRow(std::clamp(index, 0, kEffectCount - 1));
}

std::unique_ptr<CTransitionEffect> PickRandomEffect(const EffectEnabledRule& enabled,
                                                    EffectRandom& random, unsigned seed) {
  std::vector<std::unique_ptr<CTransitionEffect>> candidates;
  for (int i = 0; i < kEffectCount; ++i) {
    std::unique_ptr<CTransitionEffect> effect = CreateEffect(i);
    if (effect && enabled(effect->GetName())) candidates.push_back(std::move(effect));
  }
  std::unique_ptr<CTransitionEffect> chosen;
  if (candidates.empty()) {
    chosen.reset(new (std::nothrow) CTransitionEffect);
  } else {
    random.Seed(seed);
    const int pick = random.Next() % static_cast<int>(candidates.size());
    chosen = std::move(candidates[static_cast<std::size_t>(pick)]);
  }
  if (chosen) chosen->SetRandom(random);
  return chosen;
}

std::unique_ptr<CTransitionEffect> PickRandomEffect() {
  const CSaverSettings& settings = GetSaverSettings();
  return PickRandomEffect(
      [&settings](const std::string& name) { return settings.IsEffectEnabled(name); },
      RuntimeEffectRandom(), GetTickCount());
}

}  // namespace lumi
