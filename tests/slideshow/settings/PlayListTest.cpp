#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "slideshow/engine/settings/SaverSettings.h"
#include "tests/support/slideshow/TestFiles.h"

namespace lumi {
namespace {

using Files = std::vector<std::string>;

TEST(SoundPlayListTest, SectionsReadIntoTheRecord) {
  const struct {
    const char* section;
    bool loop, shuffle, selectOne;
    Files files;
  } cases[] = {
      {"", true, true, false, {"kept.mid"}},
      {"FileCount=0\nLoopPlayList=0\n1=a.mid", true, true, false, {"kept.mid"}},
      {"FileCount=3\nLoopPlayList=0\nShufflePlayList=0\nSelectOneFromPlayList=4\n1=a.mid\n3=c.mid",
       false,
       false,
       true,
       {"a.mid", "", "c.mid"}},
      {"FileCount=1\nLoopPlayList=-2\nShufflePlayList=9\n1=a.mid", false, true, false, {"a.mid"}},
  };
  test::TempFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section);
    CSoundPlayList list;
    list.SetFiles({"kept.mid"});
    list.Load(CIniFile(folder.Write(std::string("[SPL_SSRun]\n") + c.section + "\n")), "SPL_SSRun");
    EXPECT_EQ(list.IsLoop(), c.loop);
    EXPECT_EQ(list.IsShuffle(), c.shuffle);
    EXPECT_EQ(list.IsSelectOne(), c.selectOne);
    EXPECT_EQ(list.GetFiles(), c.files);
  }

  // A damaged count must not read (and keep) two thousand million entries.
  CSoundPlayList huge;
  huge.Load(CIniFile(folder.Write("[L]\nFileCount=2000000000\n1=a.mid\n")), "L");
  EXPECT_EQ(huge.GetFiles().size(), static_cast<size_t>(CSoundPlayList::kMaxFiles));
}

TEST(SoundPlayListTest, TheStoreLoadsBothListsAsExtractedSongs) {
  test::TempFolder folder;
  test::FakePackage package(folder);
  package.Add("intro.mid", "MThd");
  package.Add("theme.mid", "MThd");
  CSaverSettings store(folder.Path("user.ini"));
  store.SetPackageSettingsFile(
      folder.Write("[SPL_AppStartup]\nFileCount=1\nSelectOneFromPlayList=1\n1=intro.mid\n"
                   "[SPL_SSRun]\nFileCount=3\nShufflePlayList=0\n1=theme.mid\n2=gone.mid\n3=\n"),
      package);
  EXPECT_TRUE(store.GetStartupPlayList().IsSelectOne());
  EXPECT_EQ(store.GetStartupPlayList().GetFiles(), Files{folder.Path("x-intro.mid")});
  EXPECT_FALSE(store.GetSaverPlayList().IsShuffle());
  // A song the package does not hold, like an empty entry, leaves an empty name.
  EXPECT_EQ(store.GetSaverPlayList().GetFiles(), (Files{folder.Path("x-theme.mid"), "", ""}));
  EXPECT_EQ(package.Requests(), (Files{"intro.mid", "theme.mid", "gone.mid"}));
}

}  // namespace
}  // namespace lumi
