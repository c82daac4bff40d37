#include <gtest/gtest.h>

#include <set>

#include "slideshow/display/show/PlayList.h"
#include "tests/support/slideshow/FakeShow.h"

namespace lumi::test {
namespace {

FakeCollection CollectionOf(int pictures, bool active, std::vector<int> removed) {
  FakeCollection c;
  c.active = active;
  c.pictures.resize(static_cast<std::size_t>(pictures));
  c.removed = std::move(removed);
  return c;
}

TEST(PlayListTest, SequentialTakesActiveCollectionsInOrderWithoutRemovedPictures) {
  struct Case {
    const char* name;
    std::vector<FakeCollection> collections;
    std::vector<PlayEntry> expected;
  };
  const Case cases[] = {
      {"two collections, removed pictures",
       {CollectionOf(3, true, {1}), CollectionOf(2, true, {0})},
       {{0, 0}, {0, 2}, {1, 1}}},
      {"inactive collection skipped",
       {CollectionOf(2, false, {}), CollectionOf(1, true, {}), CollectionOf(2, true, {})},
       {{1, 0}, {2, 0}, {2, 1}}},
      {"everything removed or inactive",
       {CollectionOf(2, true, {0, 1}), CollectionOf(3, false, {})},
       {}},
      {"no collections", {}, {}},
  };
  for (const Case& c : cases) {
    FakeCatalog catalog;
    catalog.collections = c.collections;
    CPlayList list;
    list.BuildSequential(catalog);
    EXPECT_EQ(list.GetEntries(), c.expected) << c.name;
    EXPECT_EQ(list.GetCurrentIndex(), 0) << c.name;
  }
}

TEST(PlayListTest, NextWalksTheListAndStartsAgainAfterTheLast) {
  FakeCatalog catalog = CatalogOf(3);
  CPlayList list;
  PlayEntry entry;
  EXPECT_FALSE(list.Next(entry));
  list.BuildSequential(catalog);
  std::vector<int> order;
  for (int i = 0; i < 7; ++i) {
    ASSERT_TRUE(list.Next(entry));
    order.push_back(entry.picture);
  }
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));
  ASSERT_TRUE(list.Current(entry));
  EXPECT_EQ(entry.picture, 1);
}

TEST(PlayListTest, ShuffleSwapsEachPlaceWithTheDrawnOne) {
  FakeCatalog catalog = CatalogOf(4);
  // Swaps 0<->2, 1<->1, 2<->3 (7 mod 4), 3<->0: 0 1 2 3 -> 2 1 0 3 -> 2 1 3 0 -> 0 1 3 2.
  FixedRandom random({2, 1, 7, 4});
  CPlayList list;
  list.BuildShuffled(catalog, random);
  std::vector<int> order;
  for (const PlayEntry& e : list.GetEntries()) order.push_back(e.picture);
  EXPECT_EQ(order, (std::vector<int>{0, 1, 3, 2}));
  EXPECT_EQ(random.reseeds, 1);
}

TEST(PlayListTest, ShuffledListShowsEveryPictureOncePerCycle) {
  FakeCatalog catalog = CatalogOf(9);
  catalog.collections.push_back(CollectionOf(4, true, {2}));
  // Includes a negative number, which must not reach outside the list.
  FixedRandom random({5, 11, -3, 0, 8, 2, 13, 7, 1, 4, 6, 3});
  CPlayList list;
  list.BuildShuffled(catalog, random);
  ASSERT_EQ(list.GetCount(), 12);
  for (int cycle = 0; cycle < 2; ++cycle) {
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < list.GetCount(); ++i) {
      PlayEntry e;
      ASSERT_TRUE(list.Next(e));
      seen.insert({e.collection, e.picture});
    }
    EXPECT_EQ(seen.size(), 12u) << "cycle " << cycle;
    EXPECT_EQ(seen.count({1, 2}), 0u);
  }
}

}  // namespace
}  // namespace lumi::test
