#include "plantsaver/startup/Preview.h"

#include <memory>

#include "common/GdiGuards.h"
#include "common/Thread.h"
#include "plantsaver/random/Random.h"
#include "plantsaver/startup/PreviewAnimation.h"

namespace gulpleaf {
namespace {

constexpr char kPreviewClass[] = "zebsaverpreview";
constexpr char kPreviewTitle[] = "Zeb98";

// Draws the preview frames; every step runs on the main thread.
class PreviewPainter {
 public:
  PreviewPainter(HDC window, HBITMAP picture, int width, int height)
      : window_(window), memory_(window), width_(width), height_(height) {
    memory_.Select(picture);
  }
  PreviewPainter(const PreviewPainter&) = delete;
  PreviewPainter& operator=(const PreviewPainter&) = delete;

  void Step() {
    BitBlt(window_, PreviewAnimation::Left(width_), PreviewAnimation::Top(height_),
           kPreviewFrameWidth, kPreviewFrameHeight, memory_.Get(), 0,
           PreviewAnimation::SourceTop(animation_.Frame()), SRCCOPY);
    animation_.Advance();
  }

 private:
  HDC window_;
  zeb::MemoryDcGuard memory_;  // deselects the picture before the caller deletes it
  int width_, height_;
  PreviewAnimation animation_;
};

// zebThrClass: about every 650 ms, at irregular moments, one preview step.
class zebThrClass final : public zeb::Thread {
 public:
  explicit zebThrClass(PreviewPainter& painter) : painter_(painter) {}
  ~zebThrClass() override { Stop(); }

 protected:
  void Execute() override {
    while (!Terminated()) {
      if (ProcessRandom().Next() % 13 == 0) Synchronize([this] { painter_.Step(); });
      Sleep(50);
    }
  }

 private:
  PreviewPainter& painter_;
};

LRESULT CALLBACK PreviewWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  if (msg == WM_CLOSE || msg == WM_DESTROY) {
    PostMessageA(hwnd, WM_QUIT, 0, 0);
    // A message posted to a window that is being destroyed may be dropped with
    // it; the thread's quit flag makes sure the preview process still ends.
    if (msg == WM_DESTROY) PostQuitMessage(0);
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

void RunPreview(HINSTANCE instance, HWND parent) {
  WNDCLASSA wc{};
  wc.style = CS_PARENTDC;
  wc.lpfnWndProc = PreviewWindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kPreviewClass;
  RegisterClassA(&wc);

  RECT r{};
  GetWindowRect(parent, &r);
  int width = r.right - r.left;
  int height = r.bottom - r.top;
  HWND window =
      CreateWindowExA(0, kPreviewClass, kPreviewTitle, WS_CHILD | WS_VISIBLE | WS_DISABLED, 0, 0,
                      width, height, parent, nullptr, instance, nullptr);
  {
    // Released in reverse order: the painter deselects the picture, then the
    // picture is deleted and the window's context released, while the window
    // still exists.
    zeb::WindowDcGuard dc = window ? zeb::WindowDcGuard(window) : zeb::WindowDcGuard();
    zeb::GdiObjectGuard picture(LoadBitmapA(instance, MAKEINTRESOURCEA(1)));
    if (window && dc && picture) {
      SeedProcessRandomFromTime();
      PreviewPainter painter(dc.Get(), static_cast<HBITMAP>(picture.Get()), width, height);
      auto thread = std::make_unique<zebThrClass>(painter);
      if (thread->Create()) {
        thread->Resume();
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
          TranslateMessage(&msg);
          DispatchMessageA(&msg);
        }
      }
      thread.reset();
    }
  }
  if (window && IsWindow(window)) DestroyWindow(window);
}

}  // namespace gulpleaf
