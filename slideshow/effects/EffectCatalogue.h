#pragma once
// The fourteen transition effects by index and name, and the random pick
// among those the user has enabled.
#include <functional>
#include <memory>
#include <string>

#include "slideshow/effects/EffectRandom.h"
#include "slideshow/effects/TransitionEffect.h"

namespace lumi {

inline constexpr int kEffectCount = 14;

int GetEffectCount();

// The effect of that row of the table; the index is clamped to 0 .. 13.
// Null only when memory runs out.
std::unique_ptr<CTransitionEffect> CreateEffect(int index);

using EffectEnabledRule = std::function<bool(const std::string& effectName)>;

// Creates every effect in index order, keeps those the rule enables, and
// picks one of them with random (seeded with seed first); the plain straight
// copy when none is enabled. The chosen effect draws with the same random
// source.
std::unique_ptr<CTransitionEffect> PickRandomEffect(const EffectEnabledRule& enabled,
                                                    EffectRandom& random, unsigned seed);
// The saver's pick: the settings store's enabled rule, the runtime's
// generator seeded with the tick count.
std::unique_ptr<CTransitionEffect> PickRandomEffect();

}  // namespace lumi
