// The viewer dialog in this process, opened modeless over test files and
// driven with posted messages: its controls, layout, selection, commands and
// tool tips, and the custom text panel's drawing.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "slideshow/engine/collection/CollectionList.h"
#include "slideshow/engine/pipeline/PackageMemberSource.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/viewer/CustomTextPanel.h"
#include "slideshow/viewer/ViewerDlg.h"
#include "slideshow/viewer/ViewerHost.h"
#include "slideshow/viewer/thumbnails/ThumbnailView.h"
#include "tests/support/slideshow/TestFiles.h"
#include "tests/support/Process.h"

namespace lumi {
namespace {

using zebtest::PumpFor;

constexpr char kCaption[] = "Viewer Under Test";

struct FakeHost : ViewerHost {
  void ViewerOpened(HWND) override {}
  bool RunSaverOverViewer(HWND) override {
    ++saverRuns;
    return true;
  }
  void PlayPlayList(const CSoundPlayList&) override { ++playLists; }
  void OpenWithShell(HWND, const std::string& target) override { opened.push_back(target); }
  int saverRuns = 0;
  int playLists = 0;
  std::vector<std::string> opened;
};

// No member can be read: thumbnails stay crossed boxes and pictures fail.
struct NoMembers : PackageMemberSource {
  std::unique_ptr<unsigned char[]> GetPackageMember(const std::string&, std::uint32_t*) override {
    return nullptr;
  }
};

// Closes the first message box of this process titled kCaption with OK and
// keeps its text; runs on its own thread, because the box's modal loop
// holds the test's.
class MessageBoxCloser {
 public:
  MessageBoxCloser()
      : thread_([this] {
          for (int i = 0; i < 200 && !stop_; ++i) {
            if (HWND box = FindWindowA("#32770", kCaption); box && box != viewer_) {
              char buf[512] = {};
              for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                GetWindowTextA(c, buf, sizeof buf);
                if (std::string(buf).size() > text_.size()) text_ = buf;
              }
              PostMessageA(box, WM_COMMAND, IDOK, 0);
              return;
            }
            Sleep(25);
          }
        }) {}
  ~MessageBoxCloser() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  void IgnoreViewer(HWND viewer) { viewer_ = viewer; }
  std::string Text() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return text_;
  }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<HWND> viewer_{nullptr};
  std::string text_;
  std::thread thread_;
};

class ViewerDialog : public ::testing::Test {
 protected:
  struct Options {
    std::string heading = "A Heading";
    std::string text = "Some text|on two lines";
    std::string hyperlink = "www.example.com";
    bool document = true;
    int pictures = 5;
    bool sound = true;
  };

  void Open(const Options& o) {
    package.Add("ReadMe.txt", "read me");
    std::string settings = "[General_Settings]\r\nTitle=Test Saver\r\n";
    settings += "Custom_Heading=" + o.heading + "\r\nCustom_Text=" + o.text + "\r\n";
    settings += "Information_Hyperlink=" + o.hyperlink + "\r\n";
    if (o.document) settings += "Information_Document=ReadMe.txt\r\n";
    settings += "[SPL_AppStartup]\r\nFileCount=1\r\n1=song.mid\r\n";
    store = std::make_unique<CSaverSettings>(folder.Path("user.ini"), true);
    store->SetPackageSettingsFile(folder.Write(settings), package);
    store->SetUseSoundEffects(o.sound);
    std::string pics = "[General]\r\nCount=" + std::to_string(o.pictures) + "\r\n";
    for (int i = 1; i <= o.pictures; ++i) {
      pics += "[Picture" + std::to_string(i) + "]\r\nTitle=Picture " + std::to_string(i) +
              "\r\nImage=p" + std::to_string(i) + ".jpg\r\n";
    }
    collections.Clear();
    collections.Add(folder.Write(pics));
    dialog = std::make_unique<CViewerDlg>(GetModuleHandleA(nullptr), kCaption,
                                          ViewerTies{*store, collections, package, members, host});
    ASSERT_TRUE(dialog->CreateModeless(nullptr));
    ShowWindow(dialog->Handle(), SW_SHOW);
    PumpFor(100);
    viewer = FindWindowA("#32770", kCaption);
    ASSERT_EQ(viewer, dialog->Handle()) << "the viewer is found by its caption";
  }
  void TearDown() override {
    if (dialog && dialog->Handle()) DestroyWindow(dialog->Handle());
    PumpFor(20);
  }

  RECT ClientRect(int id) const {
    RECT r{};
    GetWindowRect(GetDlgItem(viewer, id), &r);
    MapWindowPoints(nullptr, viewer, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  bool Visible(int id) const { return IsWindowVisible(GetDlgItem(viewer, id)) != FALSE; }
  int Status(const char* key) const {
    return GetPrivateProfileIntA("Status", key, -1, folder.Path("user.ini").c_str());
  }
  void Click(int id) {
    PostMessageA(viewer, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    PumpFor(100);
  }
  std::string ToolTipAt(POINT clientPoint) {
    ClientToScreen(viewer, &clientPoint);
    SetCursorPos(clientPoint.x, clientPoint.y);
    NMTTDISPINFOA request{};
    request.hdr.code = TTN_NEEDTEXTA;
    SendMessageA(viewer, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    return request.lpszText ? request.lpszText : "";
  }

  test::TempFolder folder;
  test::FakePackage package{folder};
  NoMembers members;
  FakeHost host;
  std::unique_ptr<CSaverSettings> store;
  CCollectionList collections;
  std::unique_ptr<CViewerDlg> dialog;
  HWND viewer = nullptr;
};

TEST_F(ViewerDialog, ControlsSitWhereTheTemplatePutsThemAndTheDialogEndsBelowThePanel) {
  Open({});
  for (int id : {1000, 1001, 1002, 1003, 1008, 1009, 1010, 1015, 1016, 10001}) {
    EXPECT_NE(GetDlgItem(viewer, id), nullptr) << id;
  }
  EXPECT_FALSE(Visible(1000)) << "the slide area only marks where the view goes";
  EXPECT_FALSE(Visible(1015));
  EXPECT_TRUE(Visible(1016));
  EXPECT_TRUE(Visible(1008));
  EXPECT_TRUE(Visible(1009));
  EXPECT_TRUE(Visible(10001));
  const RECT area = ClientRect(1000), view = ClientRect(10001), panel = ClientRect(1016);
  EXPECT_EQ(view.left, area.left);
  EXPECT_EQ(view.top, area.top);
  EXPECT_EQ(view.right, area.right);
  EXPECT_EQ(view.bottom, area.bottom);
  EXPECT_EQ(panel.top, area.bottom + 10);
  EXPECT_GT(panel.bottom - panel.top, 20 + 15) << "a heading and two lines of text";
  RECT window{};
  GetWindowRect(viewer, &window);
  EXPECT_EQ(window.bottom - window.top,
            panel.bottom + 10 + GetSystemMetrics(SM_CYMENU) + 2 * GetSystemMetrics(SM_CYFRAME));
  EXPECT_NE(GetWindowLongA(viewer, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
  const LRESULT icon = SendMessageA(viewer, WM_GETICON, ICON_BIG, 0);
  EXPECT_EQ(SendMessageA(viewer, WM_GETICON, ICON_SMALL, 0), icon);
  EXPECT_EQ(SendMessageA(viewer, WM_QUERYDRAGICON, 0, 0), icon) << "answered with the icon itself";
}

TEST_F(ViewerDialog, WithoutCustomTextOrLinksThePanelAndLinkButtonsAreHidden) {
  Options o;
  o.heading = o.text = o.hyperlink = "";
  o.document = false;
  Open(o);
  EXPECT_FALSE(Visible(1016));
  EXPECT_FALSE(Visible(1008));
  EXPECT_FALSE(Visible(1009));
  RECT window{};
  GetWindowRect(viewer, &window);
  EXPECT_EQ(window.bottom - window.top, ClientRect(1000).bottom + 10 + GetSystemMetrics(SM_CYMENU) +
                                            2 * GetSystemMetrics(SM_CYFRAME));
}

TEST_F(ViewerDialog, SelectingAPictureMakesItTheSlideshowsStart) {
  Open({});
  PumpFor(100);
  EXPECT_EQ(Status("NextImage"), 1) << "opening selects the first picture";
  EXPECT_EQ(Status("CurCollection"), 1);
  dialog->Thumbnails().Select(3);
  PumpFor(100);
  EXPECT_EQ(Status("NextImage"), 4);
  PostMessageA(dialog->Thumbnails().Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  PumpFor(100);
  EXPECT_EQ(Status("NextImage"), 5);
  EXPECT_EQ(Status("CurCollection"), 1);
}

TEST_F(ViewerDialog, StartupPlayListPlaysOnceAndOnlyWithSoundEffects) {
  Open({});
  PumpFor(1300);
  EXPECT_EQ(host.playLists, 1) << "the timer fires once";
  DestroyWindow(viewer);
  Options quiet;
  quiet.sound = false;
  host.playLists = 0;
  Open(quiet);
  PumpFor(800);
  EXPECT_EQ(host.playLists, 0);
}

TEST_F(ViewerDialog, PreviewAndWallpaperNeedASelection) {
  Options none;
  none.pictures = 0;
  Open(none);
  Click(1003);
  Click(1002);
  SendMessageA(viewer, WM_USER + 1, 0, 0);
  EXPECT_EQ(host.saverRuns, 0);
  EXPECT_EQ(FindWindowA("#32770", "Updating Wallpaper"), nullptr);
  DestroyWindow(viewer);

  Open({});
  Click(1003);
  EXPECT_EQ(host.saverRuns, 1);
}

TEST_F(ViewerDialog, AWallpaperThatFailsIsReportedOnlyWhileTheViewerIsVisible) {
  Open({});
  {
    MessageBoxCloser closer;
    closer.IgnoreViewer(viewer);
    Click(1002);
    PumpFor(200);
    EXPECT_EQ(closer.Text(),
              "A problem occured processing @pk@p1.jpg. Most likely the file no long exists or it "
              "has become damaged.");
  }
  EXPECT_EQ(FindWindowA("#32770", "Updating Wallpaper"), nullptr) << "the progress dialog is gone";
  {
    // The dialog manager's DM_SETDEFID has the double-click's number; it
    // names a control and must not make a wallpaper.
    MessageBoxCloser closer;
    closer.IgnoreViewer(viewer);
    SendMessageA(viewer, DM_SETDEFID, 1010, 0);
    PumpFor(200);
    EXPECT_EQ(closer.Text(), "");
  }
  ShowWindow(viewer, SW_HIDE);
  MessageBoxCloser none;
  none.IgnoreViewer(viewer);
  SendMessageA(viewer, WM_USER + 1, 0, 0);
  PumpFor(300);
  EXPECT_EQ(none.Text(), "") << "hidden, a failure is not reported";
}

TEST_F(ViewerDialog, WebsiteWarnsThenOpensTheAddressAndMoreInfoTheDocument) {
  Options o;
  o.hyperlink = "abc";
  Open(o);
  {
    MessageBoxCloser closer;
    closer.IgnoreViewer(viewer);
    Click(1008);
    PumpFor(200);
    EXPECT_EQ(closer.Text(),
              "Be sure you are connected to the Internet, and then press OK to continue.");
  }
  Click(1009);
  ASSERT_EQ(host.opened.size(), 2u);
  EXPECT_EQ(host.opened[0], "http://abc");
  EXPECT_EQ(host.opened[1], package.ExtractPackageFile("ReadMe.txt"));
}

TEST_F(ViewerDialog, ToolTipsNameTheControlUnderTheCursor) {
  Options o;
  o.hyperlink = "www.example.com/" + std::string(90, 'x');
  Open(o);
  const RECT preview = ClientRect(1003), about = ClientRect(1010), area = ClientRect(1000);
  EXPECT_EQ(ToolTipAt({preview.left + 3, preview.top + 3}), "Preview screen saver");
  EXPECT_EQ(ToolTipAt({about.left + 3, about.top + 3}), "About this screen saver");
  EXPECT_EQ(ToolTipAt({area.left + 20, area.top + 20}),
            "Double-click to select a photo as wallpaper")
      << "the hidden slide area lies over the view";
  const RECT website = ClientRect(1008);
  const std::string tip = ToolTipAt({website.left + 3, website.top + 3});
  EXPECT_EQ(tip.size(), 78u);
  EXPECT_EQ(tip.rfind("Visit our website at www.example.com/", 0), 0u);
}

// The panel drawn into a memory bitmap: the card, its frame and where the
// heading's ink falls.
struct PanelPicture {
  std::vector<COLORREF> pixels;
  int width, height;
  COLORREF At(int x, int y) const { return pixels[y * width + x]; }
  // The first and last rows holding the colour, or -1.
  std::pair<int, int> RowsWith(COLORREF c) const {
    int first = -1, last = -1;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (At(x, y) == c) {
          if (first < 0) first = y;
          last = y;
        }
    return {first, last};
  }
};

PanelPicture DrawPanel(const CustomText& custom, int width, int height) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT area{0, 0, width, height};
  DrawCustomPanel(dc, area, custom);
  PanelPicture p{{}, width, height};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return p;
}

TEST(CustomTextPanel, CardFrameAndALoneHeadingCentred) {
  const PanelPicture p = DrawPanel({"Heading", ""}, 300, 90);
  EXPECT_EQ(p.At(0, 0), RGB(0, 0, 0)) << "framed with the black pen";
  EXPECT_EQ(p.At(299, 89), RGB(0, 0, 0));
  EXPECT_EQ(p.At(2, 2), kPanelColour);
  const auto [first, last] = p.RowsWith(kHeadingColour);
  ASSERT_GE(first, 0) << "the heading is drawn in navy";
  EXPECT_NEAR((first + last) / 2.0, 45.0, 6.0) << "centred vertically";

  const PanelPicture both = DrawPanel({"Heading", "Text below"}, 300, 90);
  const auto [hFirst, hLast] = both.RowsWith(kHeadingColour);
  EXPECT_LT(hFirst, 5 + 6) << "with text below, the heading starts at the top";
  int textInk = 0;
  for (int y = hLast + 1; y < 85; ++y)
    for (int x = 6; x < 294; ++x) textInk += both.At(x, y) == RGB(0, 0, 0);
  EXPECT_GT(textInk, 0) << "the text in black below the heading";
  // The shared fonts are made once.
  EXPECT_EQ(SharedViewerFonts().heading, SharedViewerFonts().heading);
}

}  // namespace
}  // namespace lumi
