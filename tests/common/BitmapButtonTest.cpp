// The bitmap button: what its face shows (drawn into a memory bitmap and read
// back; the caption is only looked for loosely, since text differs between
// systems), that it takes over only what it can draw, that the dialog lets it
// draw itself, and that it clicks like a push button.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "common/BitmapButton.h"
#include "common/GdiGuards.h"
#include "common/Window.h"
#include "tests/common/CommonTestIds.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct Box {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;  // inclusive
  bool Empty() const { return right < left; }
  void Add(int x, int y) {
    left = std::min(left, x), top = std::min(top, y);
    right = std::max(right, x), bottom = std::max(bottom, y);
  }
};

// A 32-bit top-down picture that a face is drawn into and read back from.
class Picture {
 public:
  Picture(int width, int height) : width_(width), height_(height), dc_(nullptr) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const DWORD*>(bits);
    dc_.Select(bitmap_.Get());
  }
  HDC Dc() const { return dc_.Get(); }
  RECT Area() const { return RECT{0, 0, width_, height_}; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  COLORREF At(int x, int y) const {
    GdiFlush();
    const DWORD p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  Box Find(COLORREF colour) const {
    Box box;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (At(x, y) == colour) box.Add(x, y);
    return box;
  }
  // Dark pixels (text) inside a region, frame excluded by the caller.
  Box FindDark(const RECT& region) const {
    Box box;
    for (int y = region.top; y < region.bottom; ++y)
      for (int x = region.left; x < region.right; ++x) {
        const COLORREF c = At(x, y);
        if (GetRValue(c) < 80 && GetGValue(c) < 80 && GetBValue(c) < 80) box.Add(x, y);
      }
    return box;
  }

 private:
  int width_, height_;
  zeb::GdiObjectGuard bitmap_;
  zeb::MemoryDcGuard dc_;
  const DWORD* bits_ = nullptr;
};

class BitmapButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bitmap_.Reset(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TWO_COLOURS)));
    ASSERT_TRUE(bitmap_);
  }
  zeb::BitmapButton::Face MakeFace(const char* caption) const {
    zeb::BitmapButton::Face face;
    face.bitmap = static_cast<HBITMAP>(bitmap_.Get());
    face.caption = caption;
    return face;
  }
  static std::unique_ptr<Picture> Draw(const zeb::BitmapButton::Face& face) {
    auto picture = std::make_unique<Picture>(100, 26);
    zeb::BitmapButton::Draw(picture->Dc(), picture->Area(), face);
    return picture;
  }
  static RECT Inside(const Picture& p) { return RECT{4, 4, p.Width() - 4, p.Height() - 4}; }
  zeb::GdiObjectGuard bitmap_;
};

TEST_F(BitmapButtonTest, ShowsTheBitmapAtTheLeftAndTheCaptionBesideIt) {
  const auto picture = Draw(MakeFace("Go"));
  const Box red = picture->Find(kRed), blue = picture->Find(kBlue);
  ASSERT_FALSE(red.Empty());
  ASSERT_FALSE(blue.Empty());
  // The whole bitmap, unscaled: red half then blue half, centred in height.
  EXPECT_EQ(red.right - red.left + 1, 8);
  EXPECT_EQ(red.bottom - red.top + 1, 16);
  EXPECT_EQ(blue.left, red.right + 1);
  EXPECT_EQ(blue.right - blue.left + 1, 8);
  EXPECT_EQ(red.top, (26 - 16) / 2);
  EXPECT_LT(red.left, 8);

  const Box text = picture->FindDark(Inside(*picture));
  ASSERT_FALSE(text.Empty());
  EXPECT_GT(text.left, blue.right);
  EXPECT_TRUE(Draw(MakeFace(""))->FindDark(Inside(*picture)).Empty());
}

TEST_F(BitmapButtonTest, TheBitmapsLightGreyTakesTheButtonFace) {
  // 16 x 16: the left half the classic light grey, the right half red.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 16;
  info.bmiHeader.biHeight = -16;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  zeb::GdiObjectGuard bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ASSERT_TRUE(bitmap);
  auto* pixels = static_cast<DWORD*>(bits);
  for (int i = 0; i < 16 * 16; ++i) pixels[i] = (i % 16) < 8 ? 0xC0C0C0 : 0xFF0000;
  GdiFlush();

  zeb::BitmapButton::Face face;
  face.bitmap = static_cast<HBITMAP>(bitmap.Get());
  const auto picture = Draw(face);
  const Box red = picture->Find(kRed);
  ASSERT_FALSE(red.Empty());
  EXPECT_EQ(red.right - red.left + 1, 8);
  const COLORREF faceColour = GetSysColor(COLOR_BTNFACE) & 0xFFFFFF;
  for (int x = red.left - 8; x < red.left; ++x) {
    EXPECT_EQ(picture->At(x, red.top + 8), faceColour) << x;
  }
}

TEST_F(BitmapButtonTest, PressedLookMovesBitmapAndCaptionOnePixel) {
  const auto up = Draw(MakeFace("Go"));
  auto face = MakeFace("Go");
  face.pressed = true;
  const auto down = Draw(face);
  const Box redUp = up->Find(kRed), redDown = down->Find(kRed);
  EXPECT_EQ(redDown.left, redUp.left + 1);
  EXPECT_EQ(redDown.top, redUp.top + 1);
  const Box textUp = up->FindDark(Inside(*up)), textDown = down->FindDark(Inside(*down));
  EXPECT_EQ(textDown.left, textUp.left + 1);
  EXPECT_EQ(textDown.top, textUp.top + 1);
}

TEST_F(BitmapButtonTest, DisabledLookIsGreyAndFocusIsMarkedOutsideTheContent) {
  auto face = MakeFace("Go");
  const auto normal = Draw(face);
  const Box red = normal->Find(kRed), blue = normal->Find(kBlue);

  face.disabled = true;
  const auto disabled = Draw(face);
  EXPECT_TRUE(disabled->Find(kRed).Empty());
  EXPECT_TRUE(disabled->Find(kBlue).Empty());
  EXPECT_TRUE(disabled->FindDark(RECT{blue.right + 1, 4, 96, 22}).Empty());

  face.disabled = false;
  face.focused = true;
  const auto focused = Draw(face);
  int changed = 0;
  for (int y = 0; y < 26; ++y)
    for (int x = 0; x < 100; ++x)
      if (focused->At(x, y) != normal->At(x, y)) {
        ++changed;
        EXPECT_FALSE(x >= red.left && x <= blue.right && y >= red.top && y <= red.bottom)
            << x << "," << y;
      }
  EXPECT_GT(changed, 0);
}

// A dialog with one owner-drawn button that records what its buttons tell it.
class ButtonDialog final : public zeb::Dialog {
 public:
  ButtonDialog() : Dialog(GetModuleHandleA(nullptr), IDD_BUTTONS) {}
  ~ButtonDialog() override {
    if (Handle()) DestroyWindow(Handle());
  }
  int clicks = 0, doubleClicks = 0;

 protected:
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM) override {
    if (msg != WM_COMMAND || LOWORD(wParam) != IDC_PICTURE_BUTTON) return false;
    if (HIWORD(wParam) == BN_CLICKED) ++clicks;
    if (HIWORD(wParam) == BN_DOUBLECLICKED) ++doubleClicks;
    return true;
  }
};

TEST_F(BitmapButtonTest, TakesOverOnlyAnOwnerDrawnButtonWithABitmap) {
  ButtonDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  const HINSTANCE self = GetModuleHandleA(nullptr);
  struct Case {
    const char* what;
    int control, bitmap;
  };
  for (const Case& c : {Case{"no such control", 4242, IDB_TWO_COLOURS},
                        Case{"not owner-drawn", IDC_PAGE_NUMBER, IDB_TWO_COLOURS},
                        Case{"no such bitmap", IDC_PICTURE_BUTTON, 4242}}) {
    zeb::BitmapButton button;
    EXPECT_FALSE(button.Attach(dialog.Handle(), c.control, self, c.bitmap)) << c.what;
    EXPECT_EQ(button.Handle(), nullptr) << c.what;
  }
  zeb::BitmapButton button, second;
  EXPECT_TRUE(button.Attach(dialog.Handle(), IDC_PICTURE_BUTTON, self, IDB_TWO_COLOURS));
  EXPECT_FALSE(second.Attach(dialog.Handle(), IDC_PICTURE_BUTTON, self, IDB_TWO_COLOURS));
}

TEST_F(BitmapButtonTest, DrawsItselfInItsDialogAndClicksLikeAPushButton) {
  ButtonDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  zeb::BitmapButton button;
  ASSERT_TRUE(button.Attach(dialog.Handle(), IDC_PICTURE_BUTTON, GetModuleHandleA(nullptr),
                            IDB_TWO_COLOURS));
  SetWindowPos(dialog.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  UpdateWindow(dialog.Handle());
  RECT area;
  GetClientRect(button.Handle(), &area);
  Picture shown(area.right, area.bottom);
  {
    zeb::WindowDcGuard screen(button.Handle());
    BitBlt(shown.Dc(), 0, 0, area.right, area.bottom, screen.Get(), 0, 0, SRCCOPY);
  }
  EXPECT_FALSE(shown.Find(kRed).Empty());
  EXPECT_FALSE(shown.Find(kBlue).Empty());

  SendMessageA(button.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog.clicks, 1);
  // A quick second click is a click too, not a double click.
  const HWND b = button.Handle();
  SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(b, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  SendMessageA(b, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(b, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(dialog.clicks, 3);
  EXPECT_EQ(dialog.doubleClicks, 0);
}

TEST_F(BitmapButtonTest, ButtonOutlivedByItsWindowOrOutlivingItStaysSafe) {
  ButtonDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND control = nullptr;
  {
    zeb::BitmapButton button;
    ASSERT_TRUE(button.Attach(dialog.Handle(), IDC_PICTURE_BUTTON, GetModuleHandleA(nullptr),
                              IDB_TWO_COLOURS));
    control = button.Handle();
  }
  // Given back: it still clicks, and may be taken over again.
  SendMessageA(control, BM_CLICK, 0, 0);
  EXPECT_EQ(dialog.clicks, 1);
  zeb::BitmapButton again;
  ASSERT_TRUE(again.Attach(dialog.Handle(), IDC_PICTURE_BUTTON, GetModuleHandleA(nullptr),
                           IDB_TWO_COLOURS));
  DestroyWindow(dialog.Handle());
  EXPECT_EQ(again.Handle(), nullptr);
}

}  // namespace
