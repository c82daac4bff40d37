#include <windows.h>
// windows.h first: the common controls header needs its types.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "slideshow/engine/pipeline/ProgressStage.h"
#include "slideshow/viewer/ProcessingDlg.h"
#include "slideshow/viewer/ProcessingDlgIds.h"

// The dialog takes the stage records over; these replacements tell the test
// when the one it watches is freed.
namespace {
const void* watchedRecord = nullptr;
bool watchedFreed = false;
}  // namespace

void* operator new(std::size_t size) {
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  if (p && p == watchedRecord) watchedFreed = true;
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace lumi {
namespace {

// A top-level window standing in for the viewer or the saver window. Hidden:
// Wine on a display without a window manager spends two seconds hiding each
// visible window, and the owner's visibility changes nothing here.
class Owner {
 public:
  Owner()
      : hwnd_(CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 100, 80, 400, 300, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr)) {}
  ~Owner() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  }
  HWND Get() const { return hwnd_; }

 private:
  HWND hwnd_;
};

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

std::string ItemText(HWND dialog, int id) {
  char text[256] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

HWND Bar(const CProcessingDlg& dialog) { return GetDlgItem(dialog.Handle(), IDC_PROCESSING_BAR); }
int RangeHigh(HWND bar) { return static_cast<int>(SendMessageA(bar, PBM_GETRANGE, FALSE, 0)); }
int RangeLow(HWND bar) { return static_cast<int>(SendMessageA(bar, PBM_GETRANGE, TRUE, 0)); }
int Position(HWND bar) { return static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)); }

void SendStage(HWND dialog, const char* text, int steps) {
  auto* stage = new ProgressStage{text, steps};
  watchedRecord = stage;
  watchedFreed = false;
  SendMessageA(dialog, kProgressNewStage, 0, reinterpret_cast<LPARAM>(stage));
  watchedRecord = nullptr;
}

TEST(ProcessingDlg, BarOnlyFormWaitsHiddenAtTheAreasBottomLeft) {
  Owner owner;
  CProcessingDlg centred(CProcessingDlg::kBarOnly);
  ASSERT_TRUE(centred.Create(owner.Get()));
  CProcessingDlg dialog(CProcessingDlg::kBarOnly);
  const RECT area{40, 30, 680, 510};
  ASSERT_TRUE(dialog.CreateAt(owner.Get(), area));
  const HWND h = dialog.Handle();
  EXPECT_EQ(dialog.TemplateId(), IDD_PROCESSING_BAR);
  EXPECT_FALSE(IsWindowVisible(h));
  EXPECT_FALSE(IsWindowEnabled(h));
  EXPECT_EQ(GetWindow(h, GW_OWNER), owner.Get());
  const RECT placed = WindowRect(h);
  const RECT size = WindowRect(centred.Handle());
  EXPECT_EQ(placed.left, 50);
  EXPECT_EQ(placed.bottom, 500);
  EXPECT_EQ(placed.right - placed.left, size.right - size.left);
  EXPECT_EQ(placed.bottom - placed.top, size.bottom - size.top);
  EXPECT_EQ(RangeLow(Bar(dialog)), 0);
  EXPECT_EQ(RangeHigh(Bar(dialog)), 99);

  SendMessageA(h, kProgressShow, 1, 0);
  EXPECT_TRUE(IsWindowVisible(h));
  SendMessageA(h, kProgressShow, 0, 0);
  EXPECT_FALSE(IsWindowVisible(h));
}

TEST(ProcessingDlg, StagesSetTextAndRangeAndStepsAdvanceTheBar) {
  Owner owner;
  CProcessingDlg dialog(CProcessingDlg::kBarOnly);
  ASSERT_TRUE(dialog.CreateAt(owner.Get(), RECT{0, 0, 640, 480}));
  const HWND h = dialog.Handle();
  const HWND bar = Bar(dialog);

  // Hidden, the dialog still follows the stages and frees their records.
  SendStage(h, "Decompressing...", 42);
  EXPECT_TRUE(watchedFreed);
  EXPECT_EQ(ItemText(h, IDC_PROCESSING_STATUS), "Decompressing...");
  EXPECT_EQ(RangeLow(bar), 0);
  EXPECT_EQ(RangeHigh(bar), 42);
  EXPECT_EQ(Position(bar), 0);
  for (int i = 0; i < 3; ++i) SendMessageA(h, kProgressStep, 0, 0);
  EXPECT_EQ(Position(bar), 3);

  // A new stage starts the bar again.
  SendStage(h, "Saving...", 500000);
  EXPECT_TRUE(watchedFreed);
  EXPECT_EQ(ItemText(h, IDC_PROCESSING_STATUS), "Saving...");
  EXPECT_EQ(RangeHigh(bar), 500000);
  EXPECT_EQ(Position(bar), 0);
  SendMessageA(h, kProgressStep, 0, 0);
  EXPECT_EQ(Position(bar), 1);

  // Stages without steps give an empty range; steps then change nothing.
  const int noSteps[] = {0, -5};
  for (int steps : noSteps) {
    SendStage(h, "Enlarging...", steps);
    EXPECT_TRUE(watchedFreed);
    EXPECT_EQ(RangeLow(bar), 0);
    EXPECT_EQ(RangeHigh(bar), 0);
    SendMessageA(h, kProgressStep, 0, 0);
    EXPECT_EQ(Position(bar), 0);
  }
  // A stage message without a record is ignored.
  SendMessageA(h, kProgressNewStage, 0, 0);
  EXPECT_EQ(ItemText(h, IDC_PROCESSING_STATUS), "Enlarging...");
}

TEST(ProcessingDlg, FullFormShowsCentredOnItsOwnerWithItsCaption) {
  Owner owner;
  CProcessingDlg dialog(CProcessingDlg::kFull);
  ASSERT_TRUE(dialog.Create(owner.Get()));
  const HWND h = dialog.Handle();
  EXPECT_EQ(dialog.TemplateId(), IDD_PROCESSING_FULL);
  EXPECT_TRUE(IsWindowVisible(h));
  char caption[64] = {};
  GetWindowTextA(h, caption, sizeof caption);
  EXPECT_STREQ(caption, "Processing Photograph");
  EXPECT_EQ(GetWindow(h, GW_OWNER), owner.Get());
  const RECT mine = WindowRect(h);
  const RECT theirs = WindowRect(owner.Get());
  EXPECT_LE(std::abs((mine.left + mine.right) - (theirs.left + theirs.right)), 1);
  EXPECT_LE(std::abs((mine.top + mine.bottom) - (theirs.top + theirs.bottom)), 1);
  EXPECT_EQ(RangeHigh(Bar(dialog)), 99);
  EXPECT_NE(SendDlgItemMessageA(h, IDC_PROCESSING_ICON, STM_GETICON, 0, 0), 0);

  dialog.SetCaption("Updating Wallpaper");
  GetWindowTextA(h, caption, sizeof caption);
  EXPECT_STREQ(caption, "Updating Wallpaper");
}

TEST(ProcessingDlg, FullFormAtAnAreaIsShownThere) {
  Owner owner;
  CProcessingDlg dialog(CProcessingDlg::kFull);
  ASSERT_TRUE(dialog.CreateAt(owner.Get(), RECT{0, 0, 800, 600}));
  EXPECT_TRUE(IsWindowVisible(dialog.Handle()));
  EXPECT_EQ(WindowRect(dialog.Handle()).left, 10);
  EXPECT_EQ(WindowRect(dialog.Handle()).bottom, 590);
}

// Its user destroys it: Escape, Enter or the close command leave it open.
TEST(ProcessingDlg, StaysUntilItsUserDestroysIt) {
  Owner owner;
  auto dialog = std::make_unique<CProcessingDlg>(CProcessingDlg::kFull);
  ASSERT_TRUE(dialog->Create(owner.Get()));
  const HWND h = dialog->Handle();
  SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
  SendMessageA(h, WM_COMMAND, IDOK, 0);
  SendMessageA(h, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(h));
  dialog.reset();
  EXPECT_FALSE(IsWindow(h));

  // Destroying the owner takes the dialog with it; the object then knows.
  CProcessingDlg second(CProcessingDlg::kBarOnly);
  {
    Owner shortLived;
    ASSERT_TRUE(second.CreateAt(shortLived.Get(), RECT{0, 0, 640, 480}));
  }
  EXPECT_EQ(second.Handle(), nullptr);
  second.Destroy();
  // It can be made again for the next job.
  EXPECT_TRUE(second.Create(owner.Get()));
  second.Destroy();
  EXPECT_EQ(second.Handle(), nullptr);
}

}  // namespace
}  // namespace lumi
