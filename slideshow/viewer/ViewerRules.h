#pragma once
// The viewer's rules that need no window: the web address it opens, the tool
// tips it shows, and where the custom text panel and the dialog's bottom go.
#include <string>

namespace lumi {

// The saver's information link as the browser gets it: "http://" in front
// unless the link already begins with it exactly (the comparison minds case).
std::string WebAddress(const std::string& hyperlink);

// The tool tip of a viewer control; empty for a control without one.
std::string ViewerToolTip(int controlId, const std::string& hyperlink);
// Tool tip texts travel in an 80-byte buffer: at most this many characters.
inline constexpr std::size_t kToolTipMaxChars = 78;
std::string CutToolTip(const std::string& text);

// Vertical placement, in dialog client pixels.
inline constexpr int kPanelGap = 10;     // between the thumbnails, the panel and the bottom
inline constexpr int kPanelMargin = 5;   // inside the panel, on every side
inline constexpr int kPanelTextGap = 5;  // between the heading and the text

// The panel's height for the word-wrapped heights of its heading and text.
int CustomPanelHeight(int headingHeight, int textHeight);

struct ViewerLayout {
  bool showPanel = false;
  int panelTop = 0;
  int panelHeight = 0;
  int dialogHeight = 0;  // the whole window's
};
// thumbnailsBottom: the bottom of the slide area. The dialog's height adds the
// menu and two frame allowances to the client bottom, as it always has.
ViewerLayout LayoutViewer(int thumbnailsBottom, bool hasCustomText, int panelHeight, int menuHeight,
                          int frameHeight);

struct Band {
  int top = 0, bottom = 0;
};
struct PanelBands {
  Band heading, text;
};
// Where the heading and the text go inside the panel's inner band [top,
// bottom). A measured height of 0 means there is none. A lone heading or a
// lone text is centred; together the heading starts at the top and the text
// fills from just below it to the bottom.
PanelBands PlacePanelText(int top, int bottom, int headingHeight, int textHeight);

}  // namespace lumi
