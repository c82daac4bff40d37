#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Lumipack.h"
#include "PhotoFolderFixture.h"
#include "SaverOptions.h"

#ifdef _WIN32
#include "slideshow/engine/settings/SaverSettings.h"
#include "tests/support/slideshow/TestFiles.h"
#endif

namespace lumipack {
namespace {

namespace fs = std::filesystem;
using test::Ini;
using test::ParseIni;
using test::ReadFile;
using test::Saver;

const std::string kStandardMidi = std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) + "MTrk";
const std::string kRiffMidi = std::string("RIFF\x20\0\0\0RMIDdata\x12\0\0\0", 20) + kStandardMidi;

class SaverOptionsTest : public test::PhotoFolderTest {
 public:
  std::string Write(const std::string& name, const std::string& bytes) {
    const fs::path path = root_ / name;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }
};

TEST_F(SaverOptionsTest, WithoutOptionsTheSettingsFileIsTheOneSaversAlwaysHad) {
  ASSERT_EQ(Build().code, kExitOk);
  const std::string playList =
      "FileCount=0\r\nLoopPlayList=1\r\nShufflePlayList=1\r\nSelectOneFromPlayList=0\r\n";
  EXPECT_EQ(ReadSaver().Member("Settings.ini"),
            "[General_Settings]\r\nTitle=Coast Walk\r\nCustom_Heading=Coast Walk\r\n"
            "Custom_Text=\r\nCustom_Graphic=\r\nInformation_Hyperlink=http://\r\n"
            "Information_Document=\r\nCopyright=\r\nAboutBoxText=Coast Walk\r\n"
            "Display_Order=Random Order\r\nShow_Captions=0\r\nEnlarge_Image=1\r\nTile_Image=0\r\n"
            "Use_Effects=1\r\nMessage_ShowRandom=1\r\nMessage_Frequency=0\r\n\r\n"
            "[Messages]\r\nCount=0\r\n\r\n[SPL_AppStartup]\r\n" +
                playList + "\r\n[SPL_SSRun]\r\n" + playList);
}

TEST_F(SaverOptionsTest, EveryOptionLandsWhereTheEngineReadsIt) {
  const std::string messages = Write("messages.txt",
                                     "\xEF\xBB\xBF"
                                     "Fair winds\r\n\r\n  Caf\xC3\xA9 open \t\nlast");
  const std::string theme = Write("songs/Theme Song.mid", kStandardMidi + "one");
  const std::string sameStem = Write("other/theme song.mid", kStandardMidi + "two");
  const std::string intro = Write("songs/intro.rmi", kRiffMidi);
  const Run run = Build({"--title",
                         "Coast Walk",
                         "--display-time",
                         "42",
                         "--order",
                         "normal",
                         "--titles",
                         "on",
                         "--enlarge",
                         "off",
                         "--tile",
                         "on",
                         "--black-white",
                         "ON",
                         "--effects",
                         "off",
                         "--effect-speed",
                         "3",
                         "--messages",
                         messages,
                         "--message-frequency",
                         "35",
                         "--message-order",
                         "sequence",
                         "--heading",
                         "Our Coast",
                         "--text",
                         "Sea\nSky|Sand",
                         "--link",
                         "https://example.org/coast?a=1",
                         "--startup-song",
                         intro,
                         "--song",
                         theme,
                         "--song",
                         sameStem,
                         "--song",
                         intro,
                         "--songs-loop",
                         "off",
                         "--songs-shuffle",
                         "off",
                         "--startup-songs-loop",
                         "off"});
  ASSERT_EQ(run.code, kExitOk) << run.err;

  const Saver saver = ReadSaver();
  const Ini ini = ParseIni(saver.Member("Settings.ini"));
  const std::map<std::string, std::string> general = {
      {"Title", "Coast Walk"},
      {"Custom_Heading", "Our Coast"},
      {"Custom_Text", "Sea|Sky|Sand"},
      {"Custom_Graphic", ""},
      {"Information_Hyperlink", "https://example.org/coast?a=1"},
      {"Information_Document", ""},
      {"Copyright", ""},
      {"AboutBoxText", "Coast Walk"},
      {"Display_Order", "Normal Order"},
      {"Show_Captions", "1"},
      {"Enlarge_Image", "0"},
      {"Tile_Image", "1"},
      {"Use_Effects", "0"},
      {"Message_ShowRandom", "0"},
      {"Message_Frequency", "35"},
      {"Image_Delay", "42"},
      {"Black_White", "1"},
      {"Effect_Speed", "3"}};
  EXPECT_EQ(ini.at("General_Settings"), general);
  const std::map<std::string, std::string> messageKeys = {{"Count", "3"},
                                                          {"Message 0", "Fair winds"},
                                                          {"Message 1", "Caf\xE9 open"},
                                                          {"Message 2", "last"}};
  EXPECT_EQ(ini.at("Messages"), messageKeys);
  const std::map<std::string, std::string> startup = {{"FileCount", "1"},
                                                      {"LoopPlayList", "0"},
                                                      {"ShufflePlayList", "1"},
                                                      {"SelectOneFromPlayList", "0"},
                                                      {"1", "intro.rmi"}};
  EXPECT_EQ(ini.at("SPL_AppStartup"), startup);
  const std::map<std::string, std::string> running = {
      {"FileCount", "3"},       {"LoopPlayList", "0"},
      {"ShufflePlayList", "0"}, {"SelectOneFromPlayList", "0"},
      {"1", "Theme_Song.mid"},  {"2", "theme_song_2.mid"},
      {"3", "intro.rmi"}};
  EXPECT_EQ(ini.at("SPL_SSRun"), running);

  // Each song is packed once, under a name with the extension the sequencer
  // recognises, after the photos.
  const std::vector<std::string> names = saver.Names();
  ASSERT_GE(names.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
            (std::vector<std::string>{"intro.rmi", "Theme_Song.mid", "theme_song_2.mid"}));
  EXPECT_EQ(saver.Member("intro.rmi"), kRiffMidi);
  EXPECT_EQ(saver.Member("Theme_Song.mid"), kStandardMidi + "one");
  EXPECT_EQ(saver.Member("theme_song_2.mid"), kStandardMidi + "two");

#ifdef _WIN32
  // The engine's own store over the settings file and the songs as start-up
  // extracts them from the package.
  lumi::test::TempFolder folder;
  lumi::test::FakePackage package(folder);
  for (const std::string& name : names) package.Add(name, saver.Member(name));
  lumi::CSaverSettings store(folder.Path("user.ini"), true);
  store.SetPackageSettingsFile(folder.Write(saver.Member("Settings.ini")), package);
  EXPECT_EQ(store.GetImageDelay(), 42);
  EXPECT_FALSE(store.GetRandom());
  EXPECT_TRUE(store.GetTitles());
  EXPECT_FALSE(store.GetEnlargeSaverPics());
  EXPECT_TRUE(store.GetTileSaverPics());
  EXPECT_TRUE(store.GetBlackWhite());
  EXPECT_FALSE(store.IsEffectEnabled("Rain Drops"));
  EXPECT_EQ(store.GetEffectSpeed(), 3);
  EXPECT_EQ(store.GetCustomHeading(), "Our Coast");
  EXPECT_EQ(store.GetCustomText(), "Sea\r\nSky\r\nSand");
  EXPECT_EQ(store.GetInformationHyperlink(), "https://example.org/coast?a=1");
  EXPECT_EQ(store.GetMessageFrequency(), 35);
  EXPECT_FALSE(store.GetMessageShowRandom());
  EXPECT_EQ(store.NextMessage([] { return 0; }), "Fair winds");
  EXPECT_EQ(store.NextMessage([] { return 0; }), "Caf\xE9 open");

  const lumi::CSoundPlayList& whileRunning = store.GetSaverPlayList();
  EXPECT_FALSE(whileRunning.IsLoop() || whileRunning.IsShuffle() || whileRunning.IsSelectOne());
  EXPECT_EQ(whileRunning.GetFiles(), (std::vector<std::string>{folder.Path("x-Theme_Song.mid"),
                                                               folder.Path("x-theme_song_2.mid"),
                                                               folder.Path("x-intro.rmi")}));
  const lumi::CSoundPlayList& greeting = store.GetStartupPlayList();
  EXPECT_FALSE(greeting.IsLoop());
  EXPECT_TRUE(greeting.IsShuffle());
  EXPECT_EQ(greeting.GetFiles(), std::vector<std::string>{folder.Path("x-intro.rmi")});
#endif
}

TEST_F(SaverOptionsTest, RefusesBadValuesNamingTheOptionAndWritesNothing) {
  const std::string song = Write("song.mid", kStandardMidi);
  const std::string messages = Write("messages.txt", "ahoy\n");
  const std::string blankMessages = Write("blank.txt", "\r\n  \n");
  const std::string longMessage = Write("long.txt", "short\n" + std::string(512, 'm') + "\n");
  const std::string wave = Write("chime.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
  const std::string tiny = Write("tiny.mid", "MTh");
  const std::string notes = Write("notes.mid", "la la la, not a song at all");
  const std::string missing = (root_ / "missing.mid").string();
  const struct {
    std::vector<std::string> args;
    int code;
    std::string err;  // the whole error line, or its start when it ends in a path
  } cases[] = {
      {{"--display-time", "4"},
       kExitUsage,
       "--display-time takes whole seconds from 5 to 300, not \"4\""},
      {{"--display-time", "301"},
       kExitUsage,
       "--display-time takes whole seconds from 5 to 300, not \"301\""},
      {{"--display-time", "ten"},
       kExitUsage,
       "--display-time takes whole seconds from 5 to 300, not \"ten\""},
      {{"--display-time", "20s"},
       kExitUsage,
       "--display-time takes whole seconds from 5 to 300, not \"20s\""},
      {{"--display-time", "99999999999999999999"},
       kExitUsage,
       "--display-time takes whole seconds"},
      {{"--display-time", "20", "--display-time", "30"}, kExitUsage, "--display-time given twice"},
      {{"--display-time"}, kExitUsage, "--display-time needs a value"},
      {{"--effect-speed", "0"},
       kExitUsage,
       "--effect-speed takes 1 (slow), 2 (medium) or 3 (fast), not \"0\""},
      {{"--effect-speed", "4"},
       kExitUsage,
       "--effect-speed takes 1 (slow), 2 (medium) or 3 (fast), not \"4\""},
      {{"--messages", messages, "--message-frequency", "101"},
       kExitUsage,
       "--message-frequency takes a percentage from 0 to 100, not \"101\""},
      {{"--messages", messages, "--message-frequency", "-1"},
       kExitUsage,
       "--message-frequency takes a percentage from 0 to 100, not \"-1\""},
      {{"--messages", messages, "--message-order", "shuffled"},
       kExitUsage,
       "--message-order takes random or sequence, not \"shuffled\""},
      {{"--order", "alphabetical"},
       kExitUsage,
       "--order takes random or normal, not \"alphabetical\""},
      {{"--titles", "yes"}, kExitUsage, "--titles takes on or off, not \"yes\""},
      {{"--black-white", "1"}, kExitUsage, "--black-white takes on or off, not \"1\""},
      {{"--link", "file:///C:/Windows/notepad.exe"},
       kExitUsage,
       "--link takes a web address starting with http:// or https://"},
      {{"--link", "http://"}, kExitUsage, "--link takes a web address"},
      {{"--link", "http://a b"}, kExitUsage, "--link takes a web address"},
      {{"--link", "https://caf\xC3\xA9.example"}, kExitUsage, "--link takes a web address"},
      {{"--heading", std::string(512, 'h')},
       kExitUsage,
       "--heading is longer than the saver reads (511 characters)"},
      {{"--message-frequency", "50"}, kExitUsage, "--message-frequency goes with --messages"},
      {{"--songs-loop", "off"}, kExitUsage, "--songs-loop goes with --song"},
      {{"--song", song, "--startup-songs-shuffle", "off"},
       kExitUsage,
       "--startup-songs-shuffle goes with --startup-song"},
      {{"--messages", missing}, kExitFailed, "--messages: cannot read " + missing},
      {{"--messages", blankMessages}, kExitFailed, "--messages: no messages in " + blankMessages},
      {{"--messages", longMessage},
       kExitFailed,
       "--messages: line 2 of " + longMessage + " is longer than the saver reads (511 characters)"},
      {{"--song", missing}, kExitFailed, "--song: file not found: " + missing},
      {{"--song", root_.string()}, kExitFailed, "--song: file not found: " + root_.string()},
      {{"--song", song, "--song", notes}, kExitFailed, "--song: not a MIDI song: " + notes},
      {{"--startup-song", wave}, kExitFailed, "--startup-song: not a MIDI song: " + wave},
      {{"--startup-song", tiny}, kExitFailed, "--startup-song: not a MIDI song: " + tiny},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const Run run = Build(c.args);
    EXPECT_EQ(run.code, c.code);
    const std::string line = "lumipack: " + c.err;
    EXPECT_EQ(run.err.substr(0, line.size()), line);
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(Out()));
    EXPECT_FALSE(fs::exists(fs::path(Out()) += ".partial"));
  }

  // A prepared folder brings its own settings; a listing takes nothing else.
  const CommandLine folder =
      ParseCommandLine({"--engine", "e", "--out", "o", "--titles", "on", "dir"});
  EXPECT_EQ(folder.mode, CommandLine::Mode::kUsageError);
  EXPECT_EQ(folder.error, "--titles goes with --photos");
  EXPECT_EQ(ParseCommandLine({"--list", "o.scr", "--titles", "on"}).error,
            "--list takes only the saver to list");
}

TEST(SaverOptionsHelpTest, HelpNamesEveryOptionWithItsRangeAndDefault) {
  const std::string help = UsageText();
  for (const char* option : {"--display-time",
                             "--order",
                             "--titles",
                             "--enlarge",
                             "--tile",
                             "--black-white",
                             "--effects",
                             "--effect-speed",
                             "--messages",
                             "--message-frequency",
                             "--message-order",
                             "--heading",
                             "--text",
                             "--link",
                             "--song",
                             "--songs-loop",
                             "--songs-shuffle",
                             "--startup-song",
                             "--startup-songs-loop",
                             "--startup-songs-shuffle"}) {
    EXPECT_TRUE(IsSaverOption(option)) << option;
    EXPECT_NE(help.find(std::string("  ") + option + " "), std::string::npos) << option;
  }
  EXPECT_NE(help.find("5 to 300 (default 15)"), std::string::npos);
  EXPECT_NE(help.find("1 slow, 2 medium, 3 fast (default 1)"), std::string::npos);
  EXPECT_FALSE(IsSaverOption("--title"));
}

}  // namespace
}  // namespace lumipack
