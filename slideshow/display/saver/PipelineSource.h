#pragma once
// The slideshow's pictures as the image pipeline prepares them: one current
// picture, loaded for each entry with the flags the settings ask for, and
// turned into a bitmap for the saver window.
#include <windows.h>

#include "slideshow/display/show/ShowParams.h"
#include "slideshow/display/show/ShowSeams.h"
#include "slideshow/engine/pipeline/ImageProcessor.h"
#include "slideshow/engine/pipeline/SlideImage.h"

namespace lumi {

class CSaverSettings;
class PackageFiles;
class PackageMemberSource;

struct PipelineSourceTies {
  HWND window = nullptr;
  HWND progress = nullptr;  // shown while the first picture is prepared
  CSaverSettings& settings;
  PackageFiles& files;           // overlay graphics are read from extracted files
  PackageMemberSource& members;  // pictures are decoded straight from the package
};

class PipelineSource final : public PictureSource {
 public:
  PipelineSource(const PipelineSourceTies& ties, const ShowParams& params);

  // The pipeline gives up its work once this flag is set.
  void AttachStopFlag(const std::atomic<bool>& stop) { stop_ = &stop; }

  bool Load(const ShowPicture& picture, bool firstPicture) override;
  bool MakeDisplayable() override;
  bool OnPaletteDisplay() const override;

  CSlideImage& Current() { return current_; }
  // False once the small preview has switched tiling off for the run.
  bool Tiling() const { return tile_; }
  // The flags a picture is processed with.
  int ProcessingFlags() const;

 private:
  static int CancelWhenStopping(void* context);

  PipelineSourceTies ties_;
  ShowParams params_;
  bool tile_;
  // Set once the wallpaper bitmap could not be written: the rest of the run
  // shows its pictures without trying again.
  bool wallpaperUnwritable_ = false;
  const std::atomic<bool>* stop_ = nullptr;
  CImageProcessor processor_;
  CSlideImage current_;
};

}  // namespace lumi
