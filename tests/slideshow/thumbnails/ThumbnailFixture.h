#pragma once
// Shared pieces of the thumbnail view tests: the sample thumbnails as the
// package holds them, a loader that counts decodes, collection files made to
// order, and a parent window that records what the view tells it.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "slideshow/engine/collection/PictureCollection.h"
#include "slideshow/engine/pipeline/PackageMemberSource.h"
#include "slideshow/viewer/thumbnails/ThumbnailLoader.h"
#include "slideshow/viewer/thumbnails/ThumbnailView.h"
#include "tests/slideshow/captions/Canvas.h"
#include "tests/slideshow/settings/TestFiles.h"

namespace lumi::test {

// Members read from the generated sample content folder.
class SampleMembers final : public PackageMemberSource {
 public:
  std::unique_ptr<unsigned char[]> GetPackageMember(const std::string& name,
                                                    std::uint32_t* size) override;
};

// The real loader, with every reference it was asked for recorded.
class CountingLoader final : public ThumbnailLoader {
 public:
  HBITMAP Load(const std::string& reference, HPALETTE palette, SIZE& size) override {
    requests.push_back(reference);
    return real_.Load(reference, palette, size);
  }
  std::vector<std::string> requests;

 private:
  SampleMembers members_;
  PackageThumbnailLoader real_{&members_};
};

struct TestPicture {
  std::string title;
  std::string thumb;  // member name; empty for none
  bool removed = false;
};

// Pictures with the sample thumbnails in turn, titled "Picture N".
std::vector<TestPicture> SamplePictures(int count);
// A collection file's text for the pictures.
std::string CollectionText(const std::vector<TestPicture>& pictures);

// A top-level window that holds the views and records their notifications.
// One serves the whole test program: under Wine, destroying a shown
// top-level window waits for the X server for seconds.
class ViewParent {
 public:
  static ViewParent& Shared();
  ViewParent(const ViewParent&) = delete;
  ViewParent& operator=(const ViewParent&) = delete;

  HWND Window() const { return window_; }
  // Forgets what was recorded so far (after handling what still waits).
  void Clear();
  // Handles what waits for this thread's windows, posted notifications too.
  void Pump();
  // Selection notices (their picture indexes) and double-click requests so far.
  std::vector<int> selections;
  int activations = 0;

 private:
  ViewParent();
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  HWND window_ = nullptr;
};

// A view of the given outer size on a parent, with a collection opened from
// text, and helpers to click and type at it.
class ViewFixture {
 public:
  ViewFixture(int width, int height);
  ThumbnailLoader& Loader() { return loader; }
  CPictureCollection& Open(const std::string& collectionText);
  void Show(const std::vector<TestPicture>& pictures, int start = 0);

  void Click(UINT downMessage, int index);
  void ClickAt(UINT message, POINT windowPoint);
  void Key(UINT key);
  // The cell's centre in window coordinates.
  POINT CentreOf(int index) const;
  RECT Client() const;
  int ScrollBarMax() const;

  TempFolder folder;
  CPictureCollection collection;
  CountingLoader loader;
  ViewParent& parent;
  CThumbnailView view{loader};
};

// Writes the canvas as a 24-bit Windows bitmap file.
bool SaveBitmapFile(const Canvas& canvas, const std::string& path);

}  // namespace lumi::test
