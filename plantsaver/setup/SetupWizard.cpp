#include "plantsaver/setup/SetupWizard.h"

#include <commctrl.h>

#include "common/Application.h"
#include "plantsaver/setup/SaverInstall.h"
#include "plantsaver/setup/SetupLogo.h"
#include "plantsaver/setup/SetupWizardIds.h"
#include "plantsaver/setup/WindowsSetupSystem.h"

namespace gulpleaf {
namespace {

constexpr char kCaption[] = "Zeb's Gulpleaf Screen Saver Setup";
constexpr int kClientWidth = 379, kClientHeight = 267;
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// Buttons along the bottom edge, right-aligned.
constexpr int kButtonWidth = 75, kButtonHeight = 25, kButtonTop = 230;
constexpr int kRightButtonLeft = kClientWidth - 12 - kButtonWidth;
constexpr int kLeftButtonLeft = kRightButtonLeft - 9 - kButtonWidth;
// The logo sits in a two-pixel bevel in the bottom-left corner.
constexpr int kBevel = 2;
constexpr int kLogoLeft = 12, kLogoBottom = kButtonTop + kButtonHeight;
constexpr int kChoiceLeft = 130;

constexpr char kExitQuestion[] =
    "Setup is not complete. If you quit now the program \nwill not be installed.\n\n"
    "You can run Setup at a later time to complete\n the installation.\n\n"
    "Do you really want to EXIT setup ?";

}  // namespace

std::string SetupWelcomeText() {
  static const char* const kLines[] = {
      " Welcome to Zeb's screen saver  Setup program.",
      " This program will install a Zeb screen saver on",
      " your computer.",
      "",
      " It is strongly recommended that you exit all",
      " Windows programs before running this",
      " Setup program.",
      "",
      " Click Cancel to quit Setup and then close any",
      " programs you have running. Click Netxt to",
      " continue with the Setup program.",
      "",
      " Free to copy and to give away unchanged. It comes",
      " without any warranty: you use it at your own risk.",
  };
  std::string text;
  for (const char* line : kLines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

TForm3::TForm3() : ownedSystem_(std::make_unique<WindowsSetupSystem>()), system_(*ownedSystem_) {}

TForm3::TForm3(SetupSystem& system) : system_(system) {}

// The controls refer to the fonts and the logo until they are destroyed, so
// the window goes before the members that own them.
TForm3::~TForm3() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
  }
}

bool TForm3::CreateForm() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  RECT r{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&r, kFormStyle, FALSE);
  zeb::FormStyle style;
  style.caption = kCaption;
  style.width = r.right - r.left;
  style.height = r.bottom - r.top;
  style.x = (GetSystemMetrics(SM_CXSCREEN) - style.width) / 2;
  style.y = (GetSystemMetrics(SM_CYSCREEN) - style.height) / 2;
  if (!Create(style)) return false;
  // A fixed frame with the system menu only: no sizing, no minimise or maximise.
  SetWindowLongPtrA(hwnd_, GWL_STYLE, kFormStyle);
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SetColor(GetSysColor(COLOR_BTNFACE));
  return true;
}

void TForm3::OnCreate() {
  SetWindowTextA(hwnd_, kCaption);
  destination_ = WithTrailingBackslash(system_.WindowsDirectory());
  LOGFONTA bold{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(bold), &bold);
  bold.lfWeight = FW_BOLD;
  bold.lfHeight = -16;
  boldFont_.Reset(CreateFontIndirectA(&bold));
  BuildWelcomePage();
  BuildSetupPage();
  BuildFinishPage();
  ShowDestination();
  ShowPage(SetupPage::Welcome, kIdNext);
}

HWND TForm3::AddControl(SetupPage page, const char* className, const char* text, DWORD style, int x,
                        int y, int width, int height, int id, HFONT font) {
  HWND control = CreateWindowExA(0, className, text, WS_CHILD | style, x, y, width, height, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 zeb::Application::Instance().InstanceHandle(), nullptr);
  if (!control) return nullptr;
  HGDIOBJ f = font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
  controls_.push_back({control, page});
  return control;
}

void TForm3::BuildWelcomePage() {
  const SetupPage p = SetupPage::Welcome;
  AddControl(p, "EDIT", SetupWelcomeText().c_str(),
             WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 12, 12,
             kClientWidth - 24, kButtonTop - 24, kIdWelcomeText);
  AddControl(p, "BUTTON", "CANCEL", WS_TABSTOP | BS_PUSHBUTTON, kLeftButtonLeft, kButtonTop,
             kButtonWidth, kButtonHeight, kIdWelcomeCancel);
  AddControl(p, "BUTTON", "NEXT", WS_TABSTOP | BS_DEFPUSHBUTTON, kRightButtonLeft, kButtonTop,
             kButtonWidth, kButtonHeight, kIdNext);
}

void TForm3::BuildSetupPage() {
  const SetupPage p = SetupPage::Setup;
  const int boxWidth = kRightButtonLeft - 8 - 12;
  AddControl(p, "STATIC", "Destination directory:", SS_LEFT, 12, 16, boxWidth, 16, kIdDestLabel);
  AddControl(p, "STATIC", "", SS_LEFT | SS_CENTERIMAGE | SS_SUNKEN | SS_PATHELLIPSIS, 12, 34,
             boxWidth, 23, kIdDestDir);
  AddControl(p, "BUTTON", "browse...", WS_TABSTOP | BS_PUSHBUTTON, kRightButtonLeft, 33,
             kButtonWidth, kButtonHeight, kIdBrowse);
  const int choiceWidth = kClientWidth - 12 - kChoiceLeft;
  HWND startLink = AddControl(p, "BUTTON", "add to start menu", WS_TABSTOP | BS_AUTOCHECKBOX,
                              kChoiceLeft, 84, choiceWidth, 20, kIdStartLink);
  HWND setActive = AddControl(p, "BUTTON", "set as active saver", WS_TABSTOP | BS_AUTOCHECKBOX,
                              kChoiceLeft, 108, choiceWidth, 20, kIdSetActive);
  SendMessageA(startLink, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(setActive, BM_SETCHECK, BST_CHECKED, 0);
  HWND progress =
      AddControl(p, PROGRESS_CLASSA, "", 0, kChoiceLeft, 196, choiceWidth, 18, kIdProgress);
  SendMessageA(progress, PBM_SETRANGE32, 0, 100);
  SendMessageA(progress, PBM_SETSTEP, 10, 0);
  AddControl(p, "BUTTON", "CANCEL", WS_TABSTOP | BS_PUSHBUTTON, kLeftButtonLeft, kButtonTop,
             kButtonWidth, kButtonHeight, kIdSetupCancel);
  AddControl(p, "BUTTON", "SETUP", WS_TABSTOP | BS_DEFPUSHBUTTON, kRightButtonLeft, kButtonTop,
             kButtonWidth, kButtonHeight, kIdSetup);
  HWND logo = AddControl(p, "STATIC", "", SS_BITMAP | SS_CENTERIMAGE | SS_SUNKEN, kLogoLeft, 0,
                         kSetupLogoWidth + 2 * kBevel, kSetupLogoHeight + 2 * kBevel, kIdLogo);
  logo_.Reset(
      static_cast<HBITMAP>(LoadImageA(zeb::Application::Instance().InstanceHandle(), kSetupLogoName,
                                      IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
  if (logo && logo_)
    SendMessageA(logo, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logo_.Get()));
}

void TForm3::BuildFinishPage() {
  const SetupPage p = SetupPage::Finish;
  AddControl(p, "STATIC", "INSTALL SUCCESSFUL :)", SS_CENTER, 12, 64, kClientWidth - 24, 24,
             kIdDoneLabel, boldFont_.Get());
  AddControl(p, "STATIC", "Click FINISH to exit setup", SS_CENTER, 12, 100, kClientWidth - 24, 16,
             kIdFinishHint);
  HWND startConfig =
      AddControl(p, "BUTTON", "start Windows screen saver configuration dialog",
                 WS_TABSTOP | BS_AUTOCHECKBOX, 40, 176, kClientWidth - 52, 20, kIdStartConfig);
  SendMessageA(startConfig, BM_SETCHECK, BST_CHECKED, 0);
  AddControl(p, "BUTTON", "FINISH", WS_TABSTOP | BS_DEFPUSHBUTTON, kRightButtonLeft, kButtonTop,
             kButtonWidth, kButtonHeight, kIdFinish);
}

void TForm3::OnShow() {
  // The picture static sizes itself to its bitmap; put it back into its
  // bevel, flush with the bottom-left corner.
  const int height = kSetupLogoHeight + 2 * kBevel;
  SetWindowPos(GetDlgItem(hwnd_, kIdLogo), nullptr, kLogoLeft, kLogoBottom - height,
               kSetupLogoWidth + 2 * kBevel, height, SWP_NOZORDER | SWP_NOACTIVATE);
  FocusControl(kIdNext);
}

void TForm3::ShowPage(SetupPage page, int focusId) {
  page_ = page;
  for (const Control& c : controls_) ShowWindow(c.window, c.page == page ? SW_SHOW : SW_HIDE);
  FocusControl(focusId);
}

void TForm3::FocusControl(int id) {
  focus_ = GetDlgItem(hwnd_, id);
  if (focus_ && GetActiveWindow() == hwnd_) SetFocus(focus_);
}

bool TForm3::Checked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }

void TForm3::ShowDestination() {
  SetDlgItemTextA(hwnd_, kIdDestDir, ("  " + destination_).c_str());
}

void TForm3::Advance(int tenths) {
  HWND progress = GetDlgItem(hwnd_, kIdProgress);
  for (int i = 0; i < tenths; ++i) SendMessageA(progress, PBM_STEPIT, 0, 0);
}

LRESULT TForm3::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam) {
        OnCommand(LOWORD(wParam));
        return 0;
      }
      break;
    case WM_ACTIVATE:
      // The form is no dialog: keep the focus on the page's chosen control
      // rather than on the frame whenever the form becomes active again.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND current = GetFocus();
        if (current && GetParent(current) == hwnd_) focus_ = current;
      } else if (focus_ && IsWindowVisible(focus_)) {
        SetFocus(focus_);
        return 0;
      }
      break;
    default:
      break;
  }
  return Form::HandleMessage(msg, wParam, lParam);
}

void TForm3::OnCommand(int id) {
  switch (id) {
    case kIdNext:
      OnNextClick();
      break;
    case kIdWelcomeCancel:
      Close();
      break;
    case kIdSetupCancel:
      OnSetupCancelClick();
      break;
    case kIdBrowse:
      OnBrowseClick();
      break;
    case kIdSetup:
      OnSetupClick();
      break;
    case kIdFinish:
      OnFinishClick();
      break;
    default:
      break;
  }
}

void TForm3::OnNextClick() { ShowPage(SetupPage::Setup, kIdSetup); }

void TForm3::OnSetupCancelClick() {
  if (system_.Message(hwnd_, kExitQuestion, "EXIT", MB_YESNO | MB_ICONQUESTION) == IDYES) Close();
}

void TForm3::OnBrowseClick() {
  std::optional<std::string> chosen = system_.PickDirectory(hwnd_, destination_);
  if (!chosen || chosen->empty()) return;
  destination_ = WithTrailingBackslash(*chosen);
  ShowDestination();
}

void TForm3::OnSetupClick() {
  InstallChoice choice{destination_, Checked(kIdStartLink), Checked(kIdSetActive)};
  SaverInstall install(system_, hwnd_, [this](int tenths) { Advance(tenths); });
  if (install.Run(choice) == InstallOutcome::CopyFailed) {
    Close();
    return;
  }
  SendDlgItemMessageA(hwnd_, kIdProgress, PBM_SETPOS, 100, 0);
  ShowPage(SetupPage::Finish, kIdFinish);
  BringToFront();
}

void TForm3::OnFinishClick() {
  if (Checked(kIdStartConfig)) {
    system_.StartProgram(kDisplaySettingsProgram,
                         DisplaySettingsArguments(destination_ + kSaverFileName), destination_);
  }
  Close();
}

}  // namespace gulpleaf
