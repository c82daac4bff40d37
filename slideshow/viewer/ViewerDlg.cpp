#include "slideshow/viewer/ViewerDlg.h"

#include "common/GdiGuards.h"
#include "slideshow/engine/PackageFiles.h"
#include "slideshow/engine/collection/CollectionList.h"
#include "slideshow/engine/collection/PictureInfo.h"
#include "slideshow/engine/pipeline/ImageProcessor.h"
#include "slideshow/engine/settings/SaverSettings.h"
#include "slideshow/viewer/AboutBoxDlg.h"
#include "slideshow/viewer/ProcessingDlg.h"
#include "slideshow/viewer/ViewerHost.h"
#include "slideshow/viewer/ViewerRules.h"
#include "slideshow/viewer/settings/SettingsSheet.h"
#include "slideshow/viewer/settings/SheetSystem.h"
#include "slideshow/viewer/thumbnails/Frame3d.h"
#include "slideshow/viewer/thumbnails/ThumbnailLoader.h"
#include "slideshow/viewer/thumbnails/ThumbnailView.h"

namespace lumi {
namespace {

constexpr int kIconResource = 128;
constexpr char kWallpaperCaption[] = "Updating Wallpaper";
// The failure notice names the picture between these two.
constexpr char kWallpaperFailureBefore[] = "A problem occured processing ";
constexpr char kWallpaperFailureAfter[] =
    ". Most likely the file no long exists or it has become damaged.";
constexpr char kConnectNotice[] =
    "Be sure you are connected to the Internet, and then press OK to continue.";

// Shows the wait cursor for as long as it lives.
class WaitCursor {
 public:
  WaitCursor() : old_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(old_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR old_;
};

}  // namespace

CViewerDlg::CViewerDlg(HINSTANCE instance, std::string caption, const ViewerTies& ties)
    : Dialog(instance, kTemplateId),
      caption_(std::move(caption)),
      ties_(ties),
      thumbnailLoader_(std::make_unique<PackageThumbnailLoader>(&ties.members)),
      thumbnails_(std::make_unique<CThumbnailView>(*thumbnailLoader_)) {
  SharedViewerFonts();
}

CViewerDlg::~CViewerDlg() = default;

BOOL CViewerDlg::OnInitDialog() {
  ties_.host.ViewerOpened(hwnd_);
  EnableToolTips();
  SetWindowTextA(hwnd_, caption_.c_str());
  SetTimer(hwnd_, kStartupSoundTimer, kStartupSoundDelayMs, nullptr);
  AttachButtons();
  CreateThumbnailView();
  ShowFirstCollection();
  SetIcons();
  HideEmptyLinks();
  LayOut();
  RegisterToolTipTools();
  // The thumbnail view took the keyboard focus with its first selection.
  return GetFocus() == thumbnails_->Handle() ? FALSE : TRUE;
}

void CViewerDlg::EnableToolTips() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  toolTips_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                              Instance(), nullptr);
}

void CViewerDlg::RegisterToolTipTools() {
  if (!toolTips_) return;
  // Every child asks the dialog for its text, which goes by the control
  // under the cursor rather than by the tool.
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(child);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(toolTips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void CViewerDlg::AttachButtons() {
  preview_.Attach(hwnd_, IDC_VIEWER_PREVIEW, Instance(), IDB_VIEWER_PREVIEW);
  wallpaper_.Attach(hwnd_, IDC_VIEWER_WALLPAPER, Instance(), IDB_VIEWER_WALLPAPER);
  settings_.Attach(hwnd_, IDC_VIEWER_SETTINGS, Instance(), IDB_VIEWER_SETTINGS);
  website_.Attach(hwnd_, IDC_VIEWER_WEBSITE, Instance(), IDB_VIEWER_WEBSITE);
  moreInfo_.Attach(hwnd_, IDC_VIEWER_MORE_INFO, Instance(), IDB_VIEWER_MORE_INFO);
}

RECT CViewerDlg::ControlRect(int id) const {
  RECT r{};
  HWND control = GetDlgItem(hwnd_, id);
  if (!control) return r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void CViewerDlg::CreateThumbnailView() {
  thumbnails_->Create(hwnd_, IDC_VIEWER_THUMBNAILS, ControlRect(IDC_VIEWER_SLIDE_AREA));
}

void CViewerDlg::ShowFirstCollection() {
  if (ties_.collections.GetCount() < 1) return;
  if (CPictureCollection* first = ties_.collections.GetAt(0)) {
    thumbnails_->SetCollection(first, 0, true);
  }
}

void CViewerDlg::SetIcons() {
  icon_ = LoadIconA(Instance(), MAKEINTRESOURCEA(kIconResource));
  SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

void CViewerDlg::HideEmptyLinks() {
  if (ties_.settings.GetInformationHyperlink().empty()) {
    ShowWindow(GetDlgItem(hwnd_, IDC_VIEWER_WEBSITE), SW_HIDE);
  }
  if (ties_.settings.GetInformationDocument().empty()) {
    ShowWindow(GetDlgItem(hwnd_, IDC_VIEWER_MORE_INFO), SW_HIDE);
  }
}

void CViewerDlg::LayOut() {
  custom_.text = ties_.settings.GetCustomText();
  custom_.heading = ties_.settings.GetCustomHeading();
  customPanel_ = GetDlgItem(hwnd_, IDC_VIEWER_CUSTOM_TEXT);
  const RECT panel = ControlRect(IDC_VIEWER_CUSTOM_TEXT);
  int panelHeight = 0;
  if (!custom_.Empty()) {
    zeb::WindowDcGuard dc(hwnd_);
    panelHeight = MeasureCustomPanel(dc.Get(), panel, custom_);
  }
  const ViewerLayout layout =
      LayoutViewer(ControlRect(IDC_VIEWER_SLIDE_AREA).bottom, !custom_.Empty(), panelHeight,
                   GetSystemMetrics(SM_CYMENU), GetSystemMetrics(SM_CYFRAME));
  if (layout.showPanel) {
    MoveWindow(customPanel_, panel.left, layout.panelTop, panel.right - panel.left,
               layout.panelHeight, TRUE);
  } else {
    ShowWindow(customPanel_, SW_HIDE);
  }
  RECT window{};
  GetWindowRect(hwnd_, &window);
  SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left, layout.dialogHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CViewerDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return true;
    case WM_QUERYDRAGICON:
      AnswerDirectly(reinterpret_cast<INT_PTR>(icon_));
      return true;
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wParam));
      return true;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam));
    case CThumbnailView::kActivateMessage:
      // The same number is the dialog manager's DM_SETDEFID, which carries a
      // control id; the view's request carries nothing.
      if (wParam != 0 || lParam != 0) return false;
      OnWallpaper();
      return true;
    case CThumbnailView::kSelectionMessage:
      OnSelection();
      return true;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header && header->code == TTN_NEEDTEXTA) {
        OnToolTipText(*reinterpret_cast<NMTTDISPINFOA*>(lParam));
      }
      // The request goes on to the default handling.
      return false;
    }
    default:
      return false;
  }
}

void CViewerDlg::OnPaint() {
  zeb::PaintDcGuard paint(hwnd_);
  HDC dc = paint.Get();
  if (IsIconic(hwnd_)) {
    SendMessageA(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    return;
  }
  // The dialog's own painting is its background, erased by BeginPaint; the
  // view gets a sunken frame a little way around it.
  if (!thumbnails_->Handle()) return;
  RECT frame{};
  GetWindowRect(thumbnails_->Handle(), &frame);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&frame), 2);
  InflateRect(&frame, kViewFrameGap, kViewFrameGap);
  DrawFrame3d(dc, frame, true);
}

bool CViewerDlg::OnDrawItem(const DRAWITEMSTRUCT& item) {
  // The bitmap buttons draw themselves once the dialog leaves them the request.
  if (item.CtlID != IDC_VIEWER_CUSTOM_TEXT) return false;
  DrawCustomPanel(item.hDC, item.rcItem, custom_);
  return true;
}

void CViewerDlg::OnTimer(UINT_PTR id) {
  if (id != kStartupSoundTimer) return;
  KillTimer(hwnd_, kStartupSoundTimer);
  if (!ties_.settings.GetUseSoundEffects()) return;
  WaitCursor wait;
  ties_.host.PlayPlayList(ties_.settings.GetStartupPlayList());
}

bool CViewerDlg::OnCommand(int id) {
  switch (id) {
    case IDOK:
    case IDCANCEL:
      EndDialog(hwnd_, id);
      return true;
    case IDC_VIEWER_PREVIEW:
      OnPreview();
      return true;
    case IDC_VIEWER_SETTINGS:
      // Nothing the viewer shows depends on what the sheet changes.
      CSettingsSheet(Instance(), ties_.settings, GetDesktopSheetSystem()).DoModal(hwnd_);
      return true;
    case IDC_VIEWER_WALLPAPER:
      OnWallpaper();
      return true;
    case IDC_VIEWER_WEBSITE:
      OnWebsite();
      return true;
    case IDC_VIEWER_MORE_INFO:
      OnMoreInfo();
      return true;
    case IDC_VIEWER_ABOUT:
      OnAbout();
      return true;
    default:
      return false;
  }
}

void CViewerDlg::OnPreview() {
  CPictureInfo picture;
  if (!thumbnails_->GetSelectedPicture(picture)) return;
  ties_.host.RunSaverOverViewer(hwnd_);
}

void CViewerDlg::OnWallpaper() {
  CPictureInfo picture;
  if (!thumbnails_->GetSelectedPicture(picture)) return;
  CImageProcessor job(&ties_.members);
  if (!picture.GetGraphicName().empty()) {
    job.SetOverlay(ties_.files.ExtractPackageFile(picture.GetGraphicName()),
                   picture.GetGraphicPosition());
  }
  if (!IsWindowVisible(hwnd_)) {
    job.MakeWallpaper(picture.GetImageRef(), nullptr);
    return;
  }
  CProcessingDlg progress(CProcessingDlg::kFull, Instance());
  progress.Create(hwnd_);
  progress.SetCaption(kWallpaperCaption);
  {
    WaitCursor wait;
    if (!job.MakeWallpaper(picture.GetImageRef(), progress.Handle())) {
      const std::string message =
          kWallpaperFailureBefore + picture.GetImageRef() + kWallpaperFailureAfter;
      MessageBoxA(hwnd_, message.c_str(), caption_.c_str(), MB_OK | MB_ICONEXCLAMATION);
    }
  }
  progress.Destroy();
}

void CViewerDlg::OnWebsite() {
  const std::string link = ties_.settings.GetInformationHyperlink();
  if (link.empty()) return;
  const std::string address = WebAddress(link);
  MessageBoxA(hwnd_, kConnectNotice, caption_.c_str(), MB_OK | MB_ICONINFORMATION);
  ties_.host.OpenWithShell(hwnd_, address);
}

void CViewerDlg::OnMoreInfo() {
  const std::string document = ties_.settings.GetInformationDocument();
  if (!document.empty()) ties_.host.OpenWithShell(hwnd_, document);
}

void CViewerDlg::OnAbout() {
  CAboutBoxDlg about(Instance(), ties_.settings);
  about.DoModal(hwnd_);
}

void CViewerDlg::OnSelection() {
  CPictureInfo picture;
  if (thumbnails_->GetSelectedPicture(picture)) ties_.settings.SaveNextPicture(picture);
}

void CViewerDlg::OnToolTipText(NMTTDISPINFOA& request) {
  POINT at{};
  GetCursorPos(&at);
  ScreenToClient(hwnd_, &at);
  HWND child = ChildWindowFromPoint(hwnd_, at);
  const int id = child && child != hwnd_ ? GetDlgCtrlID(child) : 0;
  const std::string tip = CutToolTip(ViewerToolTip(id, ties_.settings.GetInformationHyperlink()));
  lstrcpynA(request.szText, tip.c_str(), static_cast<int>(sizeof request.szText) - 1);
  request.lpszText = request.szText;
  request.hinst = nullptr;
}

}  // namespace lumi
