#include "plantsaver/setup/ConfigForm.h"

#include <commctrl.h>

#include "common/Application.h"
#include "plantsaver/setup/ConfigFormIds.h"
#include "plantsaver/setup/SettingsStore.h"

namespace gulpleaf {
namespace {
using namespace config_ids;

constexpr char kCaption[] = "Gulpleaf Saver";
constexpr char kTestVolume[] = "Test Volume";
constexpr char kStopPlaying[] = "STOP Playing";
constexpr char kAboutText[] =
    "Gulpleaf Saver\r\n\r\n"
    "The plant, the watering can and the flies were drawn, animated and given their "
    "voices by the Zeb_brio team: Zeb Brio and friends.\r\n\r\n"
    "Thank you for keeping them company.";

constexpr int kAboutWidth = 60, kAboutHeight = 20;
constexpr int kAboutMargin = 2;  // between the open about view and the form's edges
constexpr int kDoneInset = 7;    // "done" from the right and bottom of the client area
constexpr int kDoneWidth = 60, kDoneHeight = 22;

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

struct ControlSpec {
  const char* cls;
  const char* text;
  DWORD style;
  int id;
  RECT place;  // left, top, right, bottom in client pixels
  bool fixedPitch;
};

// The speed bar's position is the frame period, so its left end is the
// fastest animation: "[fast]" stands over the left end and "[slow]" over the
// right one.
// clang-format off
const ControlSpec kControls[] = {
    {"STATIC", "[fast]", SS_LEFT | SS_NOPREFIX, kLabel3, {10, 8, 80, 22}, true},
    {"STATIC", "[slow]", SS_RIGHT | SS_NOPREFIX, kLabel2, {222, 8, 292, 22}, true},
    {TRACKBAR_CLASSA, "", TBS_HORZ | TBS_TOP | TBS_AUTOTICKS | WS_TABSTOP, kTrackBar1,
     {4, 22, 298, 52}, false},
    {"STATIC", "Animation Speed", SS_CENTER | SS_NOPREFIX, kLabel1, {4, 54, 298, 68}, false},
    {"BUTTON", "Play Sound", BS_AUTOCHECKBOX | WS_TABSTOP, kCheckBox1, {14, 80, 146, 98}, false},
    {"BUTTON", "Play Start Track", BS_AUTOCHECKBOX | WS_TABSTOP, kCheckBox2,
     {160, 80, 292, 98}, false},
    {TRACKBAR_CLASSA, "", TBS_HORZ | TBS_BOTH | TBS_AUTOTICKS | WS_TABSTOP, kTrackSndVol,
     {4, 108, 298, 144}, false},
    {"STATIC", "Volume", SS_CENTER | SS_NOPREFIX, kLabel7, {4, 146, 298, 160}, false},
    {"BUTTON", kTestVolume, BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, kButtTestS,
     {101, 168, 201, 192}, false},
    {"BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, kOkButt, {14, 230, 94, 256}, false},
    {"BUTTON", "TEST", BS_PUSHBUTTON | WS_TABSTOP, kTestButt, {111, 230, 191, 256}, false},
    {"BUTTON", "CANCEL", BS_PUSHBUTTON | WS_TABSTOP, kCancelButt, {208, 230, 288, 256}, false},
};
// clang-format on
constexpr RECT kAboutPlace{228, 170, 228 + kAboutWidth, 170 + kAboutHeight};

void SetRange(HWND bar, int low, int high, int tickEvery) {
  SendMessageA(bar, TBM_SETRANGEMIN, FALSE, low);
  SendMessageA(bar, TBM_SETRANGEMAX, FALSE, high);
  SendMessageA(bar, TBM_SETTICFREQ, tickEvery, 0);
}

int Position(HWND bar) { return static_cast<int>(SendMessageA(bar, TBM_GETPOS, 0, 0)); }

}  // namespace

TForm2::TForm2(ConfigFormLinks links) : links_(links) {}

TForm2::~TForm2() {
  // A program that ends without closing the form still gives the start
  // window and the device volume back.
  if (hwnd_ && !finished_) FinishSession();
  // The controls go before the font they draw with.
  if (hwnd_) DestroyWindow(hwnd_);
}

bool TForm2::CreateForm() {
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&frame, kFormStyle, FALSE);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  zeb::FormStyle style;
  style.caption = kCaption;
  style.width = width;
  style.height = height;
  style.x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  style.y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  if (!Create(style)) return false;
  // A fixed border with the system menu only: no sizing, no minimise or maximise.
  SetWindowLongPtrA(hwnd_, GWL_STYLE, kFormStyle);
  SetWindowPos(hwnd_, nullptr, style.x, style.y, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SetColor(GetSysColor(COLOR_BTNFACE));
  return true;
}

void TForm2::CreateControls() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HINSTANCE instance = zeb::Application::Instance().InstanceHandle();
  fixedFont_.Reset(CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               FIXED_PITCH | FF_MODERN, "Courier New"));
  HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const ControlSpec& c : kControls) {
    HWND control = CreateWindowExA(
        0, c.cls, c.text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | c.style, c.place.left,
        c.place.top, c.place.right - c.place.left, c.place.bottom - c.place.top, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
    HFONT font = c.fixedPitch && fixedFont_ ? fixedFont_.Get() : guiFont;
    if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  SetRange(Control(kTrackBar1), 0, 100, 10);
  SetRange(Control(kTrackSndVol), 0, 65535, 4095);
  about_.CreatePanel(hwnd_, instance, kAboutPlace, guiFont, [this] { AboutClick(); });
}

void TForm2::OnCreate() {
  CreateControls();
  deviceVolume_ = links_.volume.Read();

  const PlantSettings stored = PlantSettings::Load();
  SendMessageA(Control(kTrackBar1), TBM_SETPOS, TRUE, stored.speed);
  SetCheckBox(kCheckBox1, stored.sound);
  SetCheckBox(kCheckBox2, stored.sSound);
  if (about_.Handle()) ShowWindow(about_.Handle(), stored.showZeb ? SW_SHOW : SW_HIDE);

  // "vol" 0 stands for the device's own level; the bar then shows the left
  // channel. With neither known, the device is left alone rather than muted.
  if (stored.vol != 0 || deviceVolume_) {
    const int level = stored.vol != 0 ? stored.vol : LOWORD(*deviceVolume_);
    SendMessageA(Control(kTrackSndVol), TBM_SETPOS, TRUE, level);
    TrackSndVolChange();
  }

  // The stored numbers, not what the bars made of them, so that giving up
  // leaves the store exactly as it was ("vol" 0 included).
  opening_ = {stored.speed, Checked(kCheckBox1), Checked(kCheckBox2), stored.vol};
}

void TForm2::OnShow() {
  if (links_.startForeground) {
    EnableWindow(links_.startForeground, FALSE);
    disabledForeground_ = true;
    ShowWindow(zeb::Application::Instance().Handle(), SW_HIDE);
  }
  if (Checked(kCheckBox2)) links_.sounds.Play(kStartTrack, false);
  saved_ = false;
  finished_ = false;
}

void TForm2::OnClose() { FinishSession(); }

void TForm2::FinishSession() {
  finished_ = true;
  if (disabledForeground_) {
    EnableWindow(links_.startForeground, TRUE);
    disabledForeground_ = false;
  }
  if (deviceVolume_) links_.volume.Write(*deviceVolume_);
  if (!saved_) Store(opening_);
}

LRESULT TForm2::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (lParam) {
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
      }
      break;
    case WM_HSCROLL:
      OnHorizontalScroll(reinterpret_cast<HWND>(lParam));
      return 0;
    default:
      break;
  }
  return Form::HandleMessage(msg, wParam, lParam);
}

void TForm2::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case kOkButt:
      OkButtClick();
      break;
    case kCancelButt:
      CancelButtClick();
      break;
    case kTestButt:
      TestButtClick();
      break;
    case kCheckBox1:
    case kCheckBox2:
      CheckBoxClick();
      break;
    case kButtTestS:
      ButtTestSClick();
      break;
    default:
      break;
  }
}

void TForm2::OnHorizontalScroll(HWND bar) {
  if (bar && bar == Control(kTrackSndVol)) TrackSndVolChange();
}

void TForm2::OkButtClick() {
  PlayClickSound();
  Store(ControlValues());
  saved_ = true;
  Close();
}

void TForm2::CancelButtClick() {
  PlayClickSound();
  Store(opening_);
  Close();
}

void TForm2::TestButtClick() {
  // The saver reads what is stored; saved_ stays false so that giving up
  // afterwards still brings the opening values back.
  Store(ControlValues());
  ReleaseTestVolume();
  if (links_.testForm) links_.testForm->ShowModal();
  // The saver form hid the taskbar window; without a start window the form is
  // on its own and needs it back (without taking the focus from the form).
  if (!links_.startForeground) ShowWindow(zeb::Application::Instance().Handle(), SW_SHOWNA);
}

void TForm2::CheckBoxClick() {
  // Not over the start track the user is listening to.
  if (!TestVolumeDown()) PlayClickSound();
}

void TForm2::ButtTestSClick() {
  if (!TestVolumeDown()) {
    ReleaseTestVolume();
    return;
  }
  SetWindowTextA(Control(kButtTestS), kStopPlaying);
  links_.sounds.Play(kStartTrack, true);
}

void TForm2::TrackSndVolChange() {
  const DWORD level = static_cast<DWORD>(Position(Control(kTrackSndVol))) & 0xFFFF;
  links_.volume.Write(MAKELONG(level, level));
}

void TForm2::AboutClick() {
  HWND panel = about_.Handle();
  if (!aboutPlace_) {
    RECT r;
    GetWindowRect(panel, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    aboutPlace_ = r;
  }
  SetWindowPos(panel, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowTextA(about_.Text(), kAboutText);
  if (about_.TextShowing()) {
    about_.ShowText(false);
    SetWindowPos(panel, nullptr, aboutPlace_->left, aboutPlace_->top, kAboutWidth, kAboutHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  const int width = ClientWidth() - 2 * kAboutMargin, height = ClientHeight() - 2 * kAboutMargin;
  SetWindowPos(panel, nullptr, kAboutMargin, kAboutMargin, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // Inside the panel, which starts kAboutMargin into the client area.
  const int doneX = width + kAboutMargin - kDoneInset - kDoneWidth;
  const int doneY = height + kAboutMargin - kDoneInset - kDoneHeight;
  SetWindowPos(about_.DoneButton(), nullptr, doneX, doneY, kDoneWidth, kDoneHeight,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(about_.Text(), nullptr, 12, 12, width - 24, doneY - 12 - 8,
               SWP_NOZORDER | SWP_NOACTIVATE);
  about_.ShowText(true);
}

void TForm2::PlayClickSound() {
  if (Checked(kCheckBox1)) links_.sounds.Play(kClickSound, false);
}

void TForm2::SetCheckBox(int id, bool checked) {
  // Giving a check box a new value counts as a click on it.
  if (Checked(id) == checked) return;
  SendMessageA(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  CheckBoxClick();
}

void TForm2::ReleaseTestVolume() {
  SendMessageA(Control(kButtTestS), BM_SETCHECK, BST_UNCHECKED, 0);
  SetWindowTextA(Control(kButtTestS), kTestVolume);
  links_.sounds.Stop();
}

TForm2::Values TForm2::ControlValues() const {
  return {Position(Control(kTrackBar1)), Checked(kCheckBox1), Checked(kCheckBox2),
          Position(Control(kTrackSndVol))};
}

void TForm2::Store(const Values& values) {
  PlantSettings settings;
  settings.speed = values.speed;
  settings.sound = values.sound;
  settings.sSound = values.sSound;
  settings.vol = values.vol;
  settings.Save();
}

bool TForm2::Checked(int id) const {
  return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool TForm2::TestVolumeDown() const { return Checked(kButtTestS); }

}  // namespace gulpleaf
