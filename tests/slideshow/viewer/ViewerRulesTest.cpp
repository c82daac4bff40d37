#include <gtest/gtest.h>

#include "slideshow/viewer/ViewerDlgIds.h"
#include "slideshow/viewer/ViewerRules.h"

namespace lumi {
namespace {

TEST(ViewerWebAddress, PrefixIsAddedUnlessTheLinkAlreadyStartsWithItExactly) {
  const struct {
    const char* stored;
    const char* opened;
  } cases[] = {
      {"a.b", "http://a.b"},          // short: always prefixed
      {"http://", "http://http://"},  // seven characters are still short
      {"www.example.com", "http://www.example.com"},
      {"HTTP://EXAMPLE.COM", "http://HTTP://EXAMPLE.COM"},  // the comparison minds case
      {"http://x", "http://x"},                             // eight characters, kept
      {"http://www.example.com/a?b", "http://www.example.com/a?b"},
      {"https://example.com", "http://https://example.com"},
  };
  for (const auto& c : cases) EXPECT_EQ(WebAddress(c.stored), c.opened) << c.stored;
}

TEST(ViewerToolTips, TextsByControlAndCutToTheBuffer) {
  EXPECT_EQ(ViewerToolTip(IDC_VIEWER_SLIDE_AREA, ""),
            "Double-click to select a photo as wallpaper");
  EXPECT_EQ(ViewerToolTip(IDC_VIEWER_PREVIEW, ""), "Preview screen saver");
  EXPECT_EQ(ViewerToolTip(IDC_VIEWER_WEBSITE, "www.example.com"),
            "Visit our website at www.example.com");
  EXPECT_EQ(ViewerToolTip(IDC_VIEWER_ABOUT, ""), "About this screen saver");
  EXPECT_EQ(ViewerToolTip(IDC_VIEWER_CUSTOM_TEXT, "x"), "");
  EXPECT_EQ(ViewerToolTip(IDC_VIEWER_THUMBNAILS, "x"), "");

  const std::string longLink = "www.example.com/" + std::string(100, 'p');
  const std::string tip = CutToolTip(ViewerToolTip(IDC_VIEWER_WEBSITE, longLink));
  EXPECT_EQ(tip.size(), 78u);
  EXPECT_EQ(tip, ("Visit our website at " + longLink).substr(0, 78));
  EXPECT_EQ(CutToolTip(std::string(78, 'a')), std::string(78, 'a'));
  EXPECT_EQ(CutToolTip("short"), "short");
}

TEST(ViewerLayoutRule, PanelAndDialogBottomFollowTheCustomText) {
  // Neither heading nor text: no panel, the dialog ends 10 below the slide area.
  ViewerLayout none = LayoutViewer(200, false, 0, 19, 4);
  EXPECT_FALSE(none.showPanel);
  EXPECT_EQ(none.dialogHeight, 200 + 10 + 19 + 2 * 4);

  // Either or both: the panel sits 10 below the slide area and the dialog 10 below it.
  const int panel = CustomPanelHeight(18, 32);
  EXPECT_EQ(panel, 18 + 32 + 20);
  ViewerLayout both = LayoutViewer(200, true, panel, 19, 4);
  EXPECT_TRUE(both.showPanel);
  EXPECT_EQ(both.panelTop, 210);
  EXPECT_EQ(both.panelHeight, 70);
  EXPECT_EQ(both.dialogHeight, 210 + 70 + 10 + 19 + 8);
  EXPECT_EQ(CustomPanelHeight(18, 0), 38) << "a heading alone";
}

TEST(ViewerLayoutRule, HeadingAndTextPlacesInsideThePanel) {
  // Inner band 100..160 (60 high).
  PanelBands heading = PlacePanelText(100, 160, 20, 0);
  EXPECT_EQ(heading.heading.top, 120) << "a lone heading is centred";
  EXPECT_EQ(heading.heading.bottom, 140);
  EXPECT_EQ(heading.text.bottom - heading.text.top, 0);

  PanelBands text = PlacePanelText(100, 160, 0, 31);
  EXPECT_EQ(text.text.top, 114) << "a lone text is centred the same way, rounding down";
  EXPECT_EQ(text.text.bottom, 145);

  PanelBands both = PlacePanelText(100, 160, 20, 31);
  EXPECT_EQ(both.heading.top, 100);
  EXPECT_EQ(both.heading.bottom, 120);
  EXPECT_EQ(both.text.top, 125) << "the text starts 5 below the heading";
  EXPECT_EQ(both.text.bottom, 160);
}

}  // namespace
}  // namespace lumi
