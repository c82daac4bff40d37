#include "slideshow/viewer/ViewerRules.h"

#include "slideshow/viewer/ViewerDlgIds.h"

namespace lumi {

namespace {
constexpr char kHttp[] = "http://";
constexpr std::size_t kHttpLength = 7;
}  // namespace

std::string WebAddress(const std::string& hyperlink) {
  if (hyperlink.size() > kHttpLength && hyperlink.compare(0, kHttpLength, kHttp) == 0) {
    return hyperlink;
  }
  return kHttp + hyperlink;
}

std::string ViewerToolTip(int controlId, const std::string& hyperlink) {
  switch (controlId) {
    case IDC_VIEWER_SLIDE_AREA:
      return "Double-click to select a photo as wallpaper";
    case IDC_VIEWER_SETTINGS:
      return "Modify screen saver and wallpaper settings";
    case IDC_VIEWER_WALLPAPER:
      return "Creates wallpaper from selected photo";
    case IDC_VIEWER_PREVIEW:
      return "Preview screen saver";
    case IDC_VIEWER_WEBSITE:
      return "Visit our website at " + hyperlink;
    case IDC_VIEWER_MORE_INFO:
      return "View additional information";
    case IDC_VIEWER_ABOUT:
      return "About this screen saver";
    default:
      return {};
  }
}

std::string CutToolTip(const std::string& text) { return text.substr(0, kToolTipMaxChars); }

int CustomPanelHeight(int headingHeight, int textHeight) {
  // The margins, the gap under the heading and a little air below the text.
  return headingHeight + textHeight + 20;
}

ViewerLayout LayoutViewer(int thumbnailsBottom, bool hasCustomText, int panelHeight, int menuHeight,
                          int frameHeight) {
  ViewerLayout layout;
  int nextTop = thumbnailsBottom + kPanelGap;
  if (hasCustomText) {
    layout.showPanel = true;
    layout.panelTop = nextTop;
    layout.panelHeight = panelHeight;
    nextTop = layout.panelTop + panelHeight + kPanelGap;
  }
  layout.dialogHeight = nextTop + menuHeight + 2 * frameHeight;
  return layout;
}

PanelBands PlacePanelText(int top, int bottom, int headingHeight, int textHeight) {
  const auto centred = [&](int height) {
    const int start = top + (bottom - top - height) / 2;
    return Band{start, start + height};
  };
  PanelBands bands;
  if (headingHeight > 0) {
    bands.heading = textHeight > 0 ? Band{top, top + headingHeight} : centred(headingHeight);
  }
  if (textHeight > 0) {
    bands.text = headingHeight > 0 ? Band{bands.heading.bottom + kPanelTextGap, bottom}
                                   : centred(textHeight);
  }
  return bands;
}

}  // namespace lumi
