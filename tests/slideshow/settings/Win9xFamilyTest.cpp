// Runs with Wine told to report Windows 98 for this program (the ctest
// fixture sets it), where the engine's own saver password applies.
#include <gtest/gtest.h>

#include "slideshow/engine/settings/SaverSettings.h"
#include "tests/support/slideshow/TestFiles.h"

namespace lumi {
namespace {

TEST(Win9xFamilyTest, TheStoreAsksForTheEnginesPassword) {
  ASSERT_FALSE(IsNtFamily());
  test::TempFolder folder;
  CSaverSettings store(folder.Write("[Password]\nInUse=1\nPassword=tide\n"));
  EXPECT_TRUE(store.IsPasswordInUse());
  EXPECT_EQ(store.GetPassword(), "tide");
}

}  // namespace
}  // namespace lumi
