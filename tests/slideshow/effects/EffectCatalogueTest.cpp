#include <gtest/gtest.h>

#include <set>
#include <string>

#include "slideshow/effects/EffectCatalogue.h"
#include "tests/slideshow/effects/EffectTestSupport.h"

namespace lumi {
namespace {

TEST(EffectCatalogue, FourteenNamedEffectsAndClampedIndices) {
  const char* const names[] = {"Dripping Paint", "Drop Blocks",     "Rain Drops",
                               "Scramble Blocks", "Jumbled Blocks", "Scanner Sweep",
                               "Plus Sweeps",     "Angle Sweeps",   "Picture Slide",
                               "Weave Lines",     "Venetian Blinds", "Hot Blocks",
                               "Spiral Blocks",   "Scroll Blocks"};
  ASSERT_EQ(GetEffectCount(), 14);
  for (int i = 0; i < GetEffectCount(); ++i) EXPECT_EQ(CreateEffect(i)->GetName(), names[i]) << i;
  EXPECT_EQ(CreateEffect(-5)->GetName(), "Dripping Paint");
  EXPECT_EQ(CreateEffect(20)->GetName(), "Scroll Blocks");
}

TEST(EffectCatalogue, PickChoosesAmongTheEnabledOnly) {
  test::ScriptedRandom random;
  // None enabled: the plain straight copy, and the generator is not seeded.
  auto none = PickRandomEffect([](const std::string&) { return false; }, random, 99);
  EXPECT_EQ(none->GetName(), CTransitionEffect().GetName());
  EXPECT_TRUE(random.seeds.empty());

  // One enabled: that one, every time.
  for (int i = 0; i < 20; ++i) {
    auto only = PickRandomEffect([](const std::string& n) { return n == "Rain Drops"; }, random,
                                 static_cast<unsigned>(i));
    EXPECT_EQ(only->GetName(), "Rain Drops");
  }
  EXPECT_EQ(random.seeds.size(), 20u);
  EXPECT_EQ(random.seeds.back(), 19u);

  // rand() mod the number enabled, counted in index order.
  const std::set<std::string> enabled{"Drop Blocks", "Weave Lines", "Scroll Blocks"};
  auto isOn = [&](const std::string& n) { return enabled.count(n) > 0; };
  const char* const expected[] = {"Drop Blocks", "Weave Lines", "Scroll Blocks", "Drop Blocks"};
  for (int value = 0; value < 4; ++value) {
    random.Queue({value + 30});
    EXPECT_EQ(PickRandomEffect(isOn, random, 1)->GetName(), expected[value]);
  }
}

}  // namespace
}  // namespace lumi
