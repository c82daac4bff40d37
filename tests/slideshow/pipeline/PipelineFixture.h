#pragma once
// Shared pieces of the Windows pipeline tests: a package of in-memory
// members, a window that records progress messages, and GDI counting.
#include <windows.h>

#include <ctime>
#include <map>
#include <string>
#include <vector>

#include "slideshow/engine/pipeline/DesktopWallpaper.h"
#include "slideshow/engine/pipeline/PackageMemberSource.h"

namespace lumi::test {

class FakePackage : public PackageMemberSource {
 public:
  void Add(const std::string& name, std::vector<std::uint8_t> bytes) {
    members_[name] = std::move(bytes);
  }
  std::unique_ptr<unsigned char[]> GetPackageMember(const std::string& name,
                                                    std::uint32_t* size) override;
  std::vector<std::string> asked;

 private:
  std::map<std::string, std::vector<std::uint8_t>> members_;
};

// A window that counts what the pipeline reports to it and, as the
// processing dialog does, deletes the stage records it receives.
class ProgressRecorder {
 public:
  ProgressRecorder();
  ~ProgressRecorder();
  ProgressRecorder(const ProgressRecorder&) = delete;
  ProgressRecorder& operator=(const ProgressRecorder&) = delete;

  HWND Window() const { return window_; }
  // Handles whatever is waiting for this thread's windows.
  static void Pump();

  int steps = 0;
  std::vector<std::string> stageTexts;
  std::vector<int> stageSteps;
  std::vector<WPARAM> cannotCancel;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  HWND window_ = nullptr;
};

// Puts back, when it goes, what the wallpaper tests change in the prefix:
// win.ini's desktop values, the last wallpaper change and the saver's
// wallpaper file, so that later tests find the desktop as it was.
class DesktopKeeper {
 public:
  DesktopKeeper();
  ~DesktopKeeper();
  DesktopKeeper(const DesktopKeeper&) = delete;
  DesktopKeeper& operator=(const DesktopKeeper&) = delete;

 private:
  DesktopWallpaper values_;
  bool hadValues_ = false;
  std::time_t lastChange_ = -1;
  bool hadFile_ = false;
};

}  // namespace lumi::test
