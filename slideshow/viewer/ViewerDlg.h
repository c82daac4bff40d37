#pragma once
// CViewerDlg: what the saver opens for configuration. The saver's pictures as
// a grid of thumbnails, the author's heading and text below them, and a
// column of buttons: preview the saver, its settings, make the selected
// picture the wallpaper, the author's website and document, the about box.
// Selecting a picture makes it the one the next slideshow starts from.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <memory>
#include <string>

#include "common/BitmapButton.h"
#include "common/Window.h"
#include "slideshow/viewer/CustomTextPanel.h"
#include "slideshow/viewer/ViewerDlgIds.h"

namespace lumi {

class CCollectionList;
class CSaverSettings;
class CThumbnailView;
class PackageFiles;
class PackageMemberSource;
class ThumbnailLoader;
class ViewerHost;

struct ViewerTies {
  CSaverSettings& settings;
  const CCollectionList& collections;
  PackageFiles& files;           // overlay graphics for the wallpaper
  PackageMemberSource& members;  // "@pk@" pictures and thumbnails
  ViewerHost& host;
};

class CViewerDlg final : public zeb::Dialog {
 public:
  CViewerDlg(HINSTANCE instance, std::string caption, const ViewerTies& ties);
  ~CViewerDlg() override;

  static constexpr int kTemplateId = IDD_VIEWER;
  static constexpr UINT_PTR kStartupSoundTimer = 1;
  static constexpr UINT kStartupSoundDelayMs = 500;
  static constexpr int kViewFrameGap = 5;  // the sunken frame's distance from the view

  CThumbnailView& Thumbnails() { return *thumbnails_; }

 protected:
  BOOL OnInitDialog() override;
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void EnableToolTips();
  void RegisterToolTipTools();
  void AttachButtons();
  void CreateThumbnailView();
  void ShowFirstCollection();
  void SetIcons();
  void HideEmptyLinks();
  void LayOut();
  RECT ControlRect(int id) const;

  void OnPaint();
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnTimer(UINT_PTR id);
  bool OnCommand(int id);
  void OnPreview();
  void OnWallpaper();
  void OnWebsite();
  void OnMoreInfo();
  void OnAbout();
  void OnSelection();
  void OnToolTipText(NMTTDISPINFOA& request);

  std::string caption_;
  ViewerTies ties_;
  HWND customPanel_ = nullptr;
  HICON icon_ = nullptr;
  std::unique_ptr<ThumbnailLoader> thumbnailLoader_;
  std::unique_ptr<CThumbnailView> thumbnails_;
  zeb::BitmapButton preview_, wallpaper_, settings_, website_, moreInfo_;
  HWND toolTips_ = nullptr;
  CustomText custom_;
};

}  // namespace lumi
