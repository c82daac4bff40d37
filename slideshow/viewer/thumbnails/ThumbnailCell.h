#pragma once
// CThumbnailCell: one picture of the thumbnail view, with its thumbnail (once
// loaded), title, selected and removed flags, and the rectangle it is drawn
// in (view coordinates).
#include <windows.h>

#include <string>

#include "common/GdiGuards.h"

namespace lumi {

class CPictureInfo;
class ThumbnailLoader;

class CThumbnailCell {
 public:
  // The image box every thumbnail is fitted into.
  static constexpr int kImageBoxWidth = 72;
  static constexpr int kImageBoxHeight = 50;

  CThumbnailCell(const CPictureInfo& picture, int index, const RECT& rect);
  CThumbnailCell(const CThumbnailCell&) = delete;
  CThumbnailCell& operator=(const CThumbnailCell&) = delete;

  // Moves the cell; the image box follows.
  void SetRect(const RECT& rect);
  const RECT& Rect() const { return rect_; }
  const RECT& ImageBox() const { return imageBox_; }

  // Decodes the thumbnail through the loader. A failure leaves the cell
  // without one (drawn as a crossed box); false then.
  bool LoadThumbnail(ThumbnailLoader& loader, HPALETTE palette);
  bool IsLoaded() const { return static_cast<bool>(thumbnail_); }

  void SetSelected(bool selected) { selected_ = selected; }
  bool IsSelected() const { return selected_; }
  void SetRemoved(bool removed) { removed_ = removed; }
  bool IsRemoved() const { return removed_; }

  const std::string& Title() const { return title_; }
  const std::string& ImageRef() const { return imageRef_; }
  const std::string& ThumbRef() const { return thumbRef_; }
  int Index() const { return index_; }

  // Draws the cell into a context that draws in view coordinates and has the
  // shared palette realised. A selected cell looks pressed (its picture and
  // title one pixel right and down); focus adds the focus rectangle to the
  // selected cell.
  void Draw(HDC dc, bool focus) const;

 private:
  void Layout();
  void DrawCrossedBox(HDC dc) const;
  void DrawThumbnail(HDC dc, const RECT& box) const;

  RECT rect_{};
  RECT imageBox_{};
  bool selected_ = false;
  bool removed_ = false;
  zeb::GdiObjectGuard thumbnail_;
  int thumbWidth_ = 0;
  int thumbHeight_ = 0;
  std::string title_;
  std::string imageRef_;
  std::string thumbRef_;
  int index_ = 0;
};

// The font of the cells' titles: "Times New Roman", 9 pixels, made with the
// first cell and kept until the process ends.
HFONT ThumbnailCaptionFont();

}  // namespace lumi
