#include "tests/slideshow/pipeline/PipelineFixture.h"

#include <cstring>

#include "slideshow/engine/pipeline/ProgressStage.h"
#include "slideshow/engine/settings/SaverSettings.h"

namespace lumi::test {
namespace {

constexpr char kRecorderClass[] = "LumishowPipelineTestProgress";

}  // namespace

std::unique_ptr<unsigned char[]> FakePackage::GetPackageMember(const std::string& name,
                                                               std::uint32_t* size) {
  asked.push_back(name);
  auto found = members_.find(name);
  if (found == members_.end()) return nullptr;
  // Spare zeroed bytes after the member, as the package reader gives.
  auto bytes = std::make_unique<unsigned char[]>(found->second.size() + 4);
  std::memset(bytes.get(), 0, found->second.size() + 4);
  std::memcpy(bytes.get(), found->second.data(), found->second.size());
  *size = static_cast<std::uint32_t>(found->second.size());
  return bytes;
}

ProgressRecorder::ProgressRecorder() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &ProgressRecorder::Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kRecorderClass;
  RegisterClassA(&wc);  // fails harmlessly once registered
  window_ = CreateWindowA(kRecorderClass, "progress", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                          wc.hInstance, this);
}

ProgressRecorder::~ProgressRecorder() {
  Pump();
  DestroyWindow(window_);
}

void ProgressRecorder::Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

LRESULT CALLBACK ProgressRecorder::Proc(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<ProgressRecorder*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case kProgressStep:
      if (self) ++self->steps;
      return 0;
    case kProgressNewStage: {
      auto* stage = reinterpret_cast<ProgressStage*>(lParam);
      if (self && stage) {
        self->stageTexts.push_back(stage->text);
        self->stageSteps.push_back(stage->steps);
      }
      delete stage;
      return 0;
    }
    case kProgressShow:
      if (self) self->cannotCancel.push_back(wParam);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

DesktopKeeper::DesktopKeeper() {
  hadValues_ = ReadDesktopWallpaper(values_);
  lastChange_ = GetSaverSettings().GetLastWallpaperChange();
  hadFile_ = GetFileAttributesA(WallpaperFilePath().c_str()) != INVALID_FILE_ATTRIBUTES;
}

DesktopKeeper::~DesktopKeeper() {
  if (hadValues_) {
    WriteDesktopWallpaper(values_);
  } else {
    SetWallpaperFile(false);
    WritePrivateProfileStringA("Desktop", "Wallpaper", nullptr, "win.ini");
  }
  if (lastChange_ == -1) {
    GetSaverSettings().ResetLastWallpaperChange();
  } else {
    GetSaverSettings().SetLastWallpaperChange(lastChange_);
  }
  if (!hadFile_) DeleteFileA(WallpaperFilePath().c_str());
}

}  // namespace lumi::test
