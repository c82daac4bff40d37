#include "slideshow/display/saver/PipelineSource.h"

#include "slideshow/engine/PackageFiles.h"
#include "slideshow/engine/StartupTrace.h"
#include "slideshow/engine/pipeline/DesktopSettings.h"
#include "slideshow/engine/settings/SaverSettings.h"

namespace lumi {

PipelineSource::PipelineSource(const PipelineSourceTies& ties, const ShowParams& params)
    : ties_(ties), params_(params), tile_(params.tile), processor_(&ties.members) {
  processor_.SetCancelQuery(&PipelineSource::CancelWhenStopping, this);
}

int PipelineSource::CancelWhenStopping(void* context) {
  const auto* stop = static_cast<PipelineSource*>(context)->stop_;
  return stop != nullptr && *stop ? 1 : 0;
}

int PipelineSource::ProcessingFlags() const {
  int flags = params_.enlarge ? kProcessEnlarge : 0;
  flags |= params_.blackWhite ? kProcessGrey : kProcessReduceOnPalette;
  // While the saver's own picture is the wallpaper and a change is due, the
  // picture shown becomes the new wallpaper, made with the wallpaper's settings.
  if (params_.fullScreen && !wallpaperUnwritable_ && IsOwnWallpaper() &&
      ties_.settings.IsWallpaperChangeDue()) {
    flags &= ~(kProcessEnlarge | kProcessGrey);
    flags |= kProcessWallpaper;
    if (ties_.settings.GetEnlargeWallpaperPics()) flags |= kProcessEnlarge;
    if (ties_.settings.GetWallpaperBlackAndWhite()) flags |= kProcessGrey;
  }
  return flags;
}

bool PipelineSource::Load(const ShowPicture& picture, bool firstPicture) {
  StartupMark("load");
  int flags = ProcessingFlags();
  if (params_.fullScreen && !picture.graphicName.empty()) {
    processor_.SetOverlay(ties_.files.ExtractPackageFile(picture.graphicName),
                          picture.graphicPosition);
  } else {
    processor_.ClearOverlay();
  }
  std::string reference = picture.imageRef;
  // The small preview on a palette display shows thumbnails, which need no
  // enlarging and are never tiled.
  if (!params_.fullScreen && IsPaletteDisplay()) {
    reference = picture.thumbRef;
    tile_ = false;
    flags &= ~kProcessEnlarge;
  }
  const RECT area{params_.display.left, params_.display.top, params_.display.right,
                  params_.display.bottom};
  const HWND progress = firstPicture ? ties_.progress : nullptr;
  bool ok = processor_.Process(current_, reference, flags, progress, area);
  // A wallpaper that cannot be written does not cost the picture on screen:
  // it is prepared again as an ordinary picture, and the old wallpaper, its
  // file and the time of the last change stay as they were.
  if (!ok && (flags & kProcessWallpaper) && processor_.FailureCode() == kFailSave &&
      !CancelWhenStopping(this)) {
    wallpaperUnwritable_ = true;
    ok = processor_.Process(current_, reference, ProcessingFlags(), progress, area);
  }
  StartupMark("processed");
  return ok;
}

bool PipelineSource::MakeDisplayable() {
  const bool ok = current_.MakeDeviceBitmap(ties_.window);
  StartupMark("displayable");
  return ok;
}

bool PipelineSource::OnPaletteDisplay() const { return IsPaletteDisplay(); }

}  // namespace lumi
