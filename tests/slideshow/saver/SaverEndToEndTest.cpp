// The slideshow saver run as the system runs it, watched from outside: what
// it puts on the screen, which input ends it and when, the password prompt
// on the 9x family, and the small preview.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/Process.h"
#include "tests/support/Screen.h"

namespace lumi {
namespace {

using zebtest::PumpFor;

constexpr char kSaverTitle[] = "ZIVODIZOVARIZAVUZEVURU";
constexpr char kSaverClass[] = "LumishowSaverWindow";
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

bool CopySample(const std::string& name, const std::string& to) {
  const std::string from = zebtest::WindowsPath(LUMISHOW_SAMPLE_CONTENT) + "\\" + name;
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

struct Picture {
  std::string file;
  std::string title;
  int seconds;
};

// The settings a test varies; everything else is the package's default.
struct ShowSetup {
  std::vector<Picture> pictures;
  bool titles = false;
  int messageFrequency = 0;  // with one message; 0 shows none
};

std::string UserSettingsFile() {
  char dir[MAX_PATH] = {};
  GetWindowsDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\KVSE_Screen_Saver.ini";
}

std::string ExeName(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

class SaverOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileA(UserSettingsFile().c_str());
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
  }
  void TearDown() override { DeleteFileA(UserSettingsFile().c_str()); }

  // A saver built by the builder from sample pictures, shown in order, not
  // enlarged, each for its own time.
  std::string BuildSaver(const std::string& name, const ShowSetup& setup) {
    zebtest::TempFolder content;
    std::ostringstream settings;
    settings << "[General_Settings]\r\nTitle=Screen Test\r\nDisplay_Order=In Order\r\n"
             << "Show_Captions=" << (setup.titles ? 1 : 0) << "\r\nEnlarge_Image=0\r\n"
             << "Tile_Image=0\r\nUse_Effects=0\r\nMessage_ShowRandom=0\r\n"
             << "Message_Frequency=" << setup.messageFrequency << "\r\n"
             << "[Messages]\r\nCount=" << (setup.messageFrequency > 0 ? 1 : 0)
             << "\r\nMessage 0=Caption bar under test\r\n";
    WriteFile(content.File("Settings.ini"), settings.str());
    std::ostringstream pics;
    pics << "[General]\r\nCount=" << setup.pictures.size() << "\r\nActive=1\r\n";
    for (size_t i = 0; i < setup.pictures.size(); ++i) {
      const Picture& p = setup.pictures[i];
      pics << "[Picture" << i + 1 << "]\r\nImage=" << p.file << "\r\nTitle=" << p.title
           << "\r\nDisplay_Time=" << p.seconds << "\r\n";
      EXPECT_TRUE(CopySample(p.file, content.File(p.file))) << p.file;
    }
    WriteFile(content.File("Pics.cvn"), pics.str());
    std::string out = folder.File(name);
    EXPECT_TRUE(zebtest::RunSaverBuilder(zebtest::WindowsPath(LUMIPACK_EXE),
                                         zebtest::WindowsPath(LUMISHOW_EXE), out, content.Path()));
    return out;
  }

  HWND StartSaver(zebtest::Process& p, const std::string& scr) {
    if (!p.Start(scr, "/s")) return nullptr;
    return zebtest::WaitForWindow(p.Id(), kSaverClass, kSaverTitle, 15000);
  }

  // True when everything outside r is black and most of r is not: a
  // picture of r's size centred on black.
  bool ShowsPictureAt(const RECT& r) {
    zebtest::Pixels s = zebtest::CaptureScreen(0, 0, width, height);
    const double inside = s.Share(kBlack, r.left, r.top, r.right, r.bottom);
    return inside < 0.5 && s.Share(kBlack, 0, 0, width, r.top) == 1.0 &&
           s.Share(kBlack, 0, r.bottom, width, height) == 1.0 &&
           s.Share(kBlack, 0, r.top, r.left, r.bottom) == 1.0 &&
           s.Share(kBlack, r.right, r.top, width, r.bottom) == 1.0;
  }

  bool WaitForPictureAt(const RECT& r, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 200) {
      if (ShowsPictureAt(r)) return true;
      PumpFor(200);
    }
    return false;
  }

  RECT Centred(int w, int h) const {
    const int left = (width - w) / 2, top = (height - h) / 2;
    return RECT{left, top, left + w, top + h};
  }

  zebtest::TempFolder folder;
  int width = 0, height = 0;
};

TEST_F(SaverOnScreen, PicturesFollowOneAnotherCentredOnBlack) {
  ShowSetup setup;
  setup.pictures = {{"Pic03.jpg", "Harbour", 2}, {"Pic08.bmp", "Small", 2}};
  const std::string scr = BuildSaver("Order.scr", setup);
  zebtest::Process p;
  ASSERT_NE(StartSaver(p, scr), nullptr);
  EXPECT_TRUE(WaitForPictureAt(Centred(640, 480), 20000)) << "the first picture, unscaled";
  EXPECT_TRUE(WaitForPictureAt(Centred(320, 240), 10000)) << "then the second one";
  EXPECT_TRUE(WaitForPictureAt(Centred(640, 480), 10000)) << "and round again";
  EXPECT_TRUE(p.Running());
}

// The screen, every fourth pixel of every fourth row, for comparing frames.
std::vector<std::uint32_t> Sample(int width, int height) {
  zebtest::Pixels s = zebtest::CaptureScreen(0, 0, width, height);
  std::vector<std::uint32_t> out;
  for (int y = 0; y < height; y += 4)
    for (int x = 0; x < width; x += 4) out.push_back(s.At(x, y));
  return out;
}

double ShareEqual(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  if (a.size() != b.size() || a.empty()) return 0;
  size_t same = 0;
  for (size_t i = 0; i < a.size(); ++i) same += a[i] == b[i];
  return static_cast<double>(same) / static_cast<double>(a.size());
}

// Each effect alone, as the user enables it: the change from one full-screen
// picture to the next is seen part-way (some of the new picture on screen,
// not all of it) and then ends on the whole new picture.
TEST_F(SaverOnScreen, EachEffectIsSeenPartWayAndEndsOnTheNewPicture) {
  const char* const effects[] = {"Dripping Paint", "Drop Blocks",     "Rain Drops",
                                 "Scramble Blocks", "Jumbled Blocks", "Scanner Sweep",
                                 "Plus Sweeps",     "Angle Sweeps",   "Picture Slide",
                                 "Weave Lines",     "Venetian Blinds", "Hot Blocks",
                                 "Spiral Blocks",   "Scroll Blocks"};
  ShowSetup setup;
  // Both fill the 1024 x 768 screen: the first as it is, the second shrunk.
  setup.pictures = {{"Pic02.jpg", "", 3}, {"Pic01.jpg", "", 60}};
  const std::string scr = BuildSaver("Effects.scr", setup);
  const std::string ini = UserSettingsFile();
  for (const char* effect : effects) {
    SCOPED_TRACE(effect);
    DeleteFileA(ini.c_str());
    for (const char* other : effects)
      WritePrivateProfileStringA("Effects", other, other == effect ? "1" : "0", ini.c_str());
    WritePrivateProfileStringA("Effects", "EffectSpeed", "2", ini.c_str());

    zebtest::Process p;
    ASSERT_NE(StartSaver(p, scr), nullptr);
    // The first picture, once it stands still.
    std::vector<std::uint32_t> old, previous = Sample(width, height);
    for (int i = 0; i < 100 && old.empty(); ++i) {
      PumpFor(150);
      std::vector<std::uint32_t> now = Sample(width, height);
      const bool lit = std::count(now.begin(), now.end(), kBlack) < static_cast<long>(now.size() / 2);
      if (lit && now == previous) old = now;
      previous = now;
    }
    ASSERT_FALSE(old.empty()) << "the first picture stands on the screen";

    // Then the change, until the new picture has stood still for a second.
    std::vector<std::vector<std::uint32_t>> frames;
    std::vector<std::uint32_t> last = old;
    int stillFor = 0;
    for (int i = 0; i < 400 && stillFor < 20; ++i) {
      PumpFor(40);
      std::vector<std::uint32_t> now = Sample(width, height);
      const bool changed = now != last;
      if (changed || !frames.empty()) frames.push_back(now);
      stillFor = (!frames.empty() && !changed && ShareEqual(now, old) < 0.5) ? stillFor + 1 : 0;
      last = now;
    }
    ASSERT_GE(stillFor, 20) << "the new picture comes and stays";
    const std::vector<std::uint32_t>& arrived = frames.back();
    EXPECT_LT(ShareEqual(arrived, old), 0.5) << "the new picture is another one";
    // Part-way: some of the new picture in its place, or (where the effect
    // slides the pictures along) a frame that is neither the old picture nor
    // the new one nor a black screen.
    bool partWay = false;
    for (const auto& frame : frames) {
      const double isNew = ShareEqual(frame, arrived);
      const double black = static_cast<double>(std::count(frame.begin(), frame.end(), kBlack)) /
                           static_cast<double>(frame.size());
      if ((isNew > 0.05 && isNew < 0.95) ||
          (isNew < 0.9 && ShareEqual(frame, old) < 0.9 && black < 0.5))
        partWay = true;
    }
    EXPECT_TRUE(partWay) << "seen part-way in " << frames.size() << " frames";
    p.Kill();
    p.WaitExit(5000);
  }
  DeleteFileA(ini.c_str());
}

TEST_F(SaverOnScreen, TitlesAreWhiteNearTheTopWhenOn) {
  ShowSetup setup;
  setup.pictures = {{"Pic08.bmp", "A Title Under Test", 30}};
  setup.titles = true;
  const std::string scr = BuildSaver("Titles.scr", setup);
  zebtest::Process p;
  ASSERT_NE(StartSaver(p, scr), nullptr);
  const RECT picture = Centred(320, 240);
  bool titled = false;
  for (int i = 0; i < 100 && !titled; ++i) {
    PumpFor(200);
    zebtest::Pixels band = zebtest::CaptureScreen(0, 0, width, 45);
    // The title's letters and nothing else light up the band above the picture.
    const double letters = band.Share(kWhite, width / 2 - 150, 15, width / 2 + 150, 40);
    titled = letters * 300 * 25 >= 40 && band.Share(kBlack, 0, 0, width / 2 - 200, 45) == 1.0;
  }
  EXPECT_TRUE(titled);
  zebtest::Pixels s = zebtest::CaptureScreen(0, 0, width, height);
  EXPECT_LT(s.Share(kBlack, picture.left, picture.top, picture.right, picture.bottom), 0.5);
  EXPECT_EQ(s.Share(kBlack, 0, picture.bottom, width, height), 1.0);
}

TEST_F(SaverOnScreen, CaptionBarRisesFromTheBottomEdge) {
  ShowSetup setup;
  setup.pictures = {{"Pic08.bmp", "", 6}};
  setup.messageFrequency = 100;
  const std::string scr = BuildSaver("Caption.scr", setup);
  zebtest::Process p;
  ASSERT_NE(StartSaver(p, scr), nullptr);
  bool partly = false, fully = false;
  for (int i = 0; i < 300 && !fully; ++i) {
    PumpFor(50);
    zebtest::Pixels bar = zebtest::CaptureScreen(0, height - 30, width, 30);
    // Left of the centred message the band is plain white once it stands.
    const bool bottomWhite = bar.Share(kWhite, 0, 26, 40, 30) == 1.0;
    const bool topWhite = bar.Share(kWhite, 0, 0, 40, 3) == 1.0;
    if (bottomWhite && !topWhite) partly = true;
    if (bottomWhite && topWhite) fully = true;
  }
  EXPECT_TRUE(fully) << "the bar reaches its full 30 pixels";
  EXPECT_TRUE(partly) << "it was seen on its way up";
}

TEST_F(SaverOnScreen, InputEndsTheSaverOnlyAfterTheStartPause) {
  ShowSetup setup;
  setup.pictures = {{"Pic08.bmp", "", 30}};
  const std::string scr = BuildSaver("Grace.scr", setup);
  zebtest::Process p;
  ASSERT_TRUE(p.Start(scr, "/s"));
  HWND wnd = zebtest::WaitForWindow(p.Id(), kSaverClass, kSaverTitle, 15000);
  ASSERT_NE(wnd, nullptr);
  // At once: the keys Windows itself sends when a saver starts are ignored.
  PostMessageA(wnd, WM_KEYDOWN, 'A', 0);
  PostMessageA(wnd, WM_LBUTTONDOWN, 0, 0);
  PumpFor(1000);
  ASSERT_TRUE(p.Running());
  // Small movements and system keys do not count either.
  PostMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
  PostMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(102, 98));
  PostMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
  PostMessageA(wnd, WM_SYSKEYDOWN, VK_TAB, 1 << 29);
  PostMessageA(wnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
  PostMessageA(wnd, WM_MBUTTONDOWN, 0, 0);
  PumpFor(500);
  ASSERT_TRUE(p.Running());
  PostMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(103, 100));
  EXPECT_TRUE(p.WaitExit(5000)) << "a 3-pixel jump ends the saver";
}

TEST_F(SaverOnScreen, OnTheNineXFamilyThePasswordGuardsTheSaver) {
  ShowSetup setup;
  setup.pictures = {{"Pic08.bmp", "", 30}};
  const std::string scr = BuildSaver("Guarded.scr", setup);
  zebtest::RegistryValueGuard version("Software\\Wine\\AppDefaults\\" + ExeName(scr), "Version");
  version.SetText("win98");
  WritePrivateProfileStringA("Password", "InUse", "1", UserSettingsFile().c_str());
  WritePrivateProfileStringA("Password", "Password", "Tulip", UserSettingsFile().c_str());
  zebtest::Process p;
  HWND wnd = StartSaver(p, scr);
  ASSERT_NE(wnd, nullptr);
  PumpFor(1000);

  PostMessageA(wnd, WM_KEYDOWN, 'A', 0);
  HWND prompt = zebtest::WaitForWindow(p.Id(), "#32770", "Enter Password", 10000);
  ASSERT_NE(prompt, nullptr);
  SetDlgItemTextA(prompt, 1017, "tulip");  // case matters
  SendMessageA(prompt, WM_COMMAND, IDOK, 0);
  PumpFor(500);
  EXPECT_TRUE(IsWindow(prompt)) << "a wrong password keeps the prompt";
  char typed[32] = "x";
  GetDlgItemTextA(prompt, 1017, typed, sizeof typed);
  EXPECT_STREQ(typed, "") << "and empties the box";
  SendMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
  PumpFor(1000);
  EXPECT_FALSE(IsWindow(prompt));
  ASSERT_TRUE(p.Running()) << "cancel goes back to the show";

  PostMessageA(wnd, WM_KEYDOWN, 'A', 0);
  prompt = zebtest::WaitForWindow(p.Id(), "#32770", "Enter Password", 10000);
  ASSERT_NE(prompt, nullptr);
  SetDlgItemTextA(prompt, 1017, "Tulip");
  PostMessageA(prompt, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(p.WaitExit(5000)) << "the right password ends the saver";
}

TEST_F(SaverOnScreen, WithoutAPasswordTheNineXFamilyClosesAtOnce) {
  ShowSetup setup;
  setup.pictures = {{"Pic08.bmp", "", 30}};
  const std::string scr = BuildSaver("Open.scr", setup);
  zebtest::RegistryValueGuard version("Software\\Wine\\AppDefaults\\" + ExeName(scr), "Version");
  version.SetText("win98");
  zebtest::Process p;
  HWND wnd = StartSaver(p, scr);
  ASSERT_NE(wnd, nullptr);
  PumpFor(1000);
  PostMessageA(wnd, WM_KEYDOWN, 'A', 0);
  EXPECT_TRUE(p.WaitExit(5000));
}

TEST_F(SaverOnScreen, ThePreviewPlaysInItsHostAndIgnoresInput) {
  ShowSetup setup;
  setup.pictures = {{"Pic03.jpg", "", 2}, {"Pic08.bmp", "", 2}};
  const std::string scr = BuildSaver("Preview.scr", setup);
  HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 10, 10, 152, 112, nullptr,
                              nullptr, nullptr, nullptr);
  PumpFor(100);
  zebtest::Process p;
  ASSERT_TRUE(p.Start(scr, "/p " + std::to_string(reinterpret_cast<UINT_PTR>(host))));
  HWND child = zebtest::WaitForChild(host, kSaverClass, kSaverTitle, 15000);
  ASSERT_NE(child, nullptr);
  PumpFor(3000);
  PostMessageA(child, WM_KEYDOWN, 'A', 0);
  PostMessageA(child, WM_LBUTTONDOWN, 0, 0);
  PostMessageA(child, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  PostMessageA(child, WM_MOUSEMOVE, 0, MAKELPARAM(60, 60));
  PumpFor(3000);
  EXPECT_TRUE(p.Running()) << "no input ends the preview";
  EXPECT_TRUE(IsWindow(child));
  DestroyWindow(host);
  for (int i = 0; i < 200 && p.Running(); ++i) PumpFor(50);
  EXPECT_FALSE(p.Running()) << "the preview ends with its host";
}

}  // namespace
}  // namespace lumi
