// The process's player over the system's own MCI, with a real wave and real
// MIDI files. Whatever the machine's sound devices, a play request returns
// and stopping leaves nothing open.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "slideshow/engine/sound/SoundPlayer.h"
#include "tests/support/Process.h"

namespace lumi {
namespace {

const std::string kWave = zebtest::WindowsPath(PLANT_WAVE_FILE);
const std::string kSongA = zebtest::WindowsPath(LUMISHOW_SAMPLE_CONTENT) + "\\Daybreak.rmi";
const std::string kSongB = zebtest::WindowsPath(LUMISHOW_SAMPLE_CONTENT) + "\\Starlight.rmi";

TEST(SystemSound, RealFilesNeitherHangNorLeaveADeviceOpen) {
  ASSERT_NE(GetFileAttributesA(kWave.c_str()), INVALID_FILE_ATTRIBUTES) << kWave;
  ASSERT_NE(GetFileAttributesA(kSongA.c_str()), INVALID_FILE_ATTRIBUTES) << kSongA;
  HWND main = CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                              nullptr, nullptr);
  ASSERT_NE(main, nullptr);
  CSoundPlayer& player = CSoundPlayer::GetPlayer();
  player.SetMainWindowSource([main] { return main; });

  // Whether a wave opens, and whether its device answers the sequencer
  // query, depends on the system; the request returns either way.
  player.PlayFile(kWave, true);
  EXPECT_EQ(player.Position(), 1);
  EXPECT_EQ(player.IsPlaying(), player.Device() != CSoundPlayer::kNoDevice);
  ASSERT_NE(player.NotifyWindow(), nullptr);

  // Music, looping, with a wave among it; let any notification arrive.
  player.PlayFiles({kSongA, kWave, kSongB}, false, true);
  EXPECT_EQ(player.Position(), 1);
  zebtest::PumpFor(1500);
  // What this system did, for whoever reads the log.
  std::printf("music after 1.5 s: %s, next file %d\n", player.IsPlaying() ? "playing" : "silent",
              player.Position());
  player.Stop();
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_EQ(player.Device(), CSoundPlayer::kNoDevice);
  EXPECT_EQ(player.Position(), CSoundPlayer::kStopped);
  DestroyWindow(main);
}

}  // namespace
}  // namespace lumi
