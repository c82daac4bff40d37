#include "slideshow/display/SaverWnd.h"

#include <windowsx.h>

#include <cstdlib>

#include "common/GdiGuards.h"
#include "slideshow/display/PasswordPromptDlg.h"
#include "slideshow/display/show/SoundRequestMessage.h"
#include "slideshow/engine/EngineApp.h"
#include "slideshow/engine/StartupTrace.h"
#include "slideshow/engine/pipeline/DesktopSettings.h"
#include "slideshow/engine/pipeline/ImageProcessor.h"
#include "slideshow/engine/pipeline/ImagingLock.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/engine/sound/SoundPlayer.h"
#include "slideshow/viewer/ProcessingDlg.h"

namespace lumi {

namespace {

constexpr UINT kSpiFlags = SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE;
constexpr INT_PTR kPromptCancelled = IDCANCEL;

}  // namespace

CSaverWnd::CSaverWnd(HINSTANCE instance, const SaverShowTies& ties)
    : instance_(instance), ties_(ties), fullScreen_(true) {
  CommonInit();
  SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, TRUE, nullptr, kSpiFlags);
}

CSaverWnd::CSaverWnd(HINSTANCE instance, const SaverShowTies& ties, HWND parent)
    : instance_(instance), ties_(ties), preview_(true), parent_(parent) {
  CommonInit();
}

void CSaverWnd::CommonInit() {
  WNDCLASSA wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.hInstance = instance_;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.hCursor = fullScreen_ ? LoadCursorA(instance_, MAKEINTRESOURCEA(kCursorResource))
                           : LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassOnce(wc);
  controller_ = std::make_unique<SaverShow>(ties_);
  progress_ = std::make_unique<CProcessingDlg>(kProgressTemplateMode, instance_);
  startImage_ = std::make_unique<CSlideImage>();
  startTick_ = 0;
  password_ = ties_.settings.GetPassword();
}

CSaverWnd::~CSaverWnd() {
  StopWorker();
  if (fullScreen_) SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, FALSE, nullptr, kSpiFlags);
  progress_.reset();
  startImage_.reset();
}

bool CSaverWnd::IsSwallowedSysCommand(WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_TASKLIST:
    case SC_SCREENSAVE:
      return true;
    default:
      return false;
  }
}

bool CSaverWnd::Create() {
  RECT r{};
  GetClientRect(preview_ ? parent_ : GetDesktopWindow(), &r);
  const DWORD style = (fullScreen_ ? WS_POPUP : WS_CHILD) | WS_VISIBLE;
  HWND parent = preview_ ? parent_ : GetDesktopWindow();
  if (!CreateBound(0, kClassName, CEngineApp::kSaverWindowTitle, style, r.left, r.top,
                   r.right - r.left, r.bottom - r.top, parent, instance_)) {
    return false;
  }
  StartupMark("window made");
  if (fullScreen_) {
    ownsItself_ = true;
    SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  progress_->CreateAt(hwnd_, r);
  StartupMark("progress dialog made");
  startTick_ = GetTickCount();
  return true;
}

void CSaverWnd::Start() {
  if (fullScreen_) {
    if (ties_.settings.GetUseSoundEffects()) {
      // Opening the music can take a moment; the dialog stays out of the way
      // meanwhile.
      EnableWindow(progress_->Handle(), FALSE);
      ShowWindow(progress_->Handle(), SW_HIDE);
      CSoundPlayer::GetPlayer().PlayPlayList(ties_.settings.GetSaverPlayList());
    }
    PaintStartImage();
    EnableWindow(progress_->Handle(), FALSE);
    ShowWindow(progress_->Handle(), SW_SHOWNOACTIVATE);
    SetFocus(hwnd_);
    StartupMark("progress shown");
  }
  startTick_ = GetTickCount();
  // The window's first paint erases it to black; it must be over before the
  // worker draws, or it can wipe the first picture the moment it appears.
  UpdateWindow(hwnd_);
  StartupMark("first paint");
  // The worker draws on this window from its own thread. Some systems put
  // such drawing on screen only when the window's own thread next wakes up;
  // the worker wakes it when a picture is complete, and a steady tick keeps
  // it waking while a change is drawn step by step.
  SetTimer(hwnd_, kPresentTimer, kPresentTimerMs, nullptr);
  controller_->Start(hwnd_, progress_->Handle(), ReadShowParams());
  StartupMark("worker begun");
}

ShowParams CSaverWnd::ReadShowParams() const {
  ShowParams params;
  CSaverSettings& settings = ties_.settings;
  params.imageDelay = preview_ ? kPreviewImageDelay : settings.GetImageDelay();
  params.randomOrder = settings.GetRandom();
  params.showTitles = settings.GetTitles();
  params.blackWhite = settings.GetBlackWhite();
  params.enlarge = settings.GetEnlargeSaverPics();
  params.tile = settings.GetTileSaverPics();
  params.fullScreen = fullScreen_;
  RECT r{};
  GetClientRect(hwnd_, &r);
  params.display = ShowRect{r.left, r.top, r.right, r.bottom};
  return params;
}

void CSaverWnd::PaintStartImage() {
  // The saver opens on the picture that already is the wallpaper, and keeps
  // it until the first slideshow picture is ready.
  if (!IsOwnWallpaper()) return;
  RECT r{};
  GetClientRect(hwnd_, &r);
  CImageProcessor processor;
  if (!processor.Process(*startImage_, WallpaperFilePath(), 0, nullptr, r)) return;
  if (!startImage_->MakeDeviceBitmap(hwnd_)) return;
  if (const zeb::WindowDcGuard dc(hwnd_); dc) startImage_->Draw(dc.Get());
  ValidateRect(hwnd_, nullptr);
}

LRESULT CSaverWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return OnEraseBackground(reinterpret_cast<HDC>(wParam));
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      RequestClose();
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      break;
    case WM_SYSCOMMAND:
      if (IsSwallowedSysCommand(wParam)) return 0;
      break;
    case kSoundRequestMessage:
      OnSoundRequest(wParam, lParam);
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

void CSaverWnd::OnPaint() {
  const zeb::PaintDcGuard paint(hwnd_);
  const HDC dc = paint.Get();
  if (controller_ && controller_->IsStarted()) {
    if (controller_->IsFirstShown() || preview_) {
      // Only a picture the worker has finished showing is drawn again, and
      // never while an image is being processed.
      if (controller_->IsFirstShown() && !controller_->IsSuspended() && ImagingLockCount() == 0 &&
          controller_->IsPictureReady() && controller_->IsPictureShown()) {
        controller_->Repaint(dc);
      }
    } else {
      DrawStartImage(dc);
    }
  } else if (controller_ && fullScreen_) {
    DrawStartImage(dc);
  }
}

void CSaverWnd::DrawStartImage(HDC dc) {
  // Drawing takes the imaging lock. While the password prompt is up the
  // worker is held wherever it was, perhaps inside an image operation with
  // the lock taken: waiting for it here would hang the saver, so the start
  // picture is then left for a later repaint.
  if (startImage_ && ImagingLockCount() == 0) startImage_->Draw(dc);
}

LRESULT CSaverWnd::OnEraseBackground(HDC dc) {
  // Once pictures are on screen the worker and the repaint cover the whole
  // window: erasing to black first would only flash, or leave a black hole
  // where a repaint cannot draw while the worker is between two pictures.
  if (controller_ && controller_->IsFirstShown()) return 1;
  return DefWindowProcA(hwnd_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
}

void CSaverWnd::OnMouseMove(int x, int y) {
  if (lastX_ == 0 && lastY_ == 0) {
    lastX_ = x;
    lastY_ = y;
    return;
  }
  if (std::abs(x - lastX_) > kMouseSlack || std::abs(y - lastY_) > kMouseSlack) RequestClose();
  lastX_ = x;
  lastY_ = y;
}

void CSaverWnd::OnSoundRequest(WPARAM wParam, LPARAM lParam) {
  // The worker never plays itself: the player lives on this thread, where
  // its notifications arrive. The string is ours now and freed here.
  const SoundRequest request = TakeSoundRequest(wParam, lParam);
  if (request.play) {
    CSoundPlayer::GetPlayer().PlayFile(request.path, request.repeat);
  } else {
    CSoundPlayer::GetPlayer().Stop();
  }
}

void CSaverWnd::RequestClose() {
  if (preview_ || closing_) return;
  closing_ = true;
  if (GetTickCount() - startTick_ < kGraceMs) {
    closing_ = false;
    return;
  }
  if (!password_.empty() && !AskPassword()) {
    closing_ = false;
    return;
  }
  StopWorker();
  CSoundPlayer::GetPlayer().Stop();
  // The window goes when the posted close arrives, after this handler has
  // returned.
  PostMessageA(hwnd_, WM_CLOSE, 0, 0);
  ShowWindow(hwnd_, SW_HIDE);
  closing_ = false;
}

bool CSaverWnd::AskPassword() {
  // The worker must not draw over the prompt.
  controller_->Suspend();
  CPasswordPromptDlg prompt(hwnd_, password_, CPasswordPromptDlg::kDefaultTimeoutMs, instance_);
  const INT_PTR result = prompt.Run();
  controller_->Resume();
  startTick_ = GetTickCount();
  return result != kPromptCancelled;
}

void CSaverWnd::StopWorker() {
  if (!controller_) return;
  HCURSOR old = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  if (controller_->StopWorker()) {
    controller_.reset();
  } else {
    // A worker killed inside an image operation leaves the imaging lock
    // taken for good, and freeing a picture takes that lock: the controller
    // and the start picture are left to the end of the program, which
    // follows at once, rather than hang it.
    controller_.release();
    startImage_.release();
  }
  SetCursor(old);
}

void CSaverWnd::OnDestroy() {
  if (fullScreen_) {
    // Run by the saver switch, the saver window is the program's main window
    // and the program ends with it; run from the viewer, the viewer goes on.
    if (endsProgram_) PostQuitMessage(0);
    return;
  }
  // The preview ends with its host. The worker is stopped here all the same:
  // left running, it would draw while the program's statics are torn down.
  StopWorker();
  PostQuitMessage(0);
}

void CSaverWnd::OnFinalMessage() {
  hwnd_ = nullptr;
  if (ownsItself_) delete this;
}

}  // namespace lumi
