// Property pages on a real modal sheet: which object a page window is bound
// to, what leaving a page, OK and Cancel do to the pages, and that a page
// that fails keeps the sheet open. Each sheet runs a script of steps from
// inside its own modal loop (posted to the first page), and a script that
// runs out leaves through Cancel, so no sheet can wait for a user.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/PropertyPage.h"
#include "common/PropertySheetDialog.h"
#include "tests/common/CommonTestIds.h"

namespace {

constexpr UINT kStep = WM_APP + 10;
using Step = std::function<void(HWND sheet)>;

struct SheetRun {
  std::vector<Step> steps;
  std::size_t next = 0;
  std::vector<std::string> events;
  bool ranOut = false;
};

class TestPage final : public zeb::PropertyPage {
 public:
  TestPage(SheetRun& run, int number, std::string title = {})
      : PropertyPage(GetModuleHandleA(nullptr), IDD_PAGE, std::move(title)),
        run_(run),
        number_(number) {}

  bool driver = false;  // runs the script; the first page, shown when the sheet opens
  bool refuseLeave = false;
  bool throwOnLeave = false;
  bool throwOnApply = false;
  HWND boundAtInit = nullptr;
  std::string error;

 protected:
  BOOL OnInitDialog() override {
    boundAtInit = hwnd_;
    SetDlgItemInt(hwnd_, IDC_PAGE_NUMBER, static_cast<UINT>(number_), FALSE);
    Log("init");
    if (driver) PostMessageA(hwnd_, kStep, 0, 0);
    return TRUE;
  }
  void OnSetActive() override { Log("active"); }
  bool OnKillActive() override {
    Log("leave");
    if (throwOnLeave) throw std::runtime_error("check failed");
    return !refuseLeave;
  }
  void OnApply() override {
    if (throwOnApply) throw std::runtime_error("write failed");
    Log("apply");
  }
  void OnReset() override { Log("reset"); }
  void OnHandlerError(const char* what) override { error = what; }
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg != kStep) return PropertyPage::HandleMessage(msg, wParam, lParam);
    if (run_.next < run_.steps.size()) {
      run_.steps[run_.next++](Sheet());
      PostMessageA(hwnd_, kStep, 0, 0);
    } else if (!run_.ranOut) {
      run_.ranOut = true;
      PropSheet_PressButton(Sheet(), PSBTN_CANCEL);
    }
    return true;
  }

 private:
  void Log(const char* what) {
    run_.events.push_back(std::string(what) + " " + std::to_string(number_));
  }
  SheetRun& run_;
  int number_;
};

zeb::PropertySheetDialog::Outcome RunSheet(std::vector<TestPage*> pages) {
  zeb::PropertySheetDialog sheet(GetModuleHandleA(nullptr), "Sheet under test");
  pages.front()->driver = true;
  for (TestPage* page : pages) sheet.AddPage(*page);
  return sheet.Run(nullptr);
}

Step Select(int index) {
  return [index](HWND sheet) { PropSheet_SetCurSel(sheet, nullptr, index); };
}
Step Press(int button) {
  return [button](HWND sheet) { PropSheet_PressButton(sheet, button); };
}

std::vector<std::string> Only(const std::vector<std::string>& events, const std::string& kind) {
  std::vector<std::string> kept;
  for (const std::string& e : events)
    if (e.rfind(kind + " ", 0) == 0) kept.push_back(e);
  return kept;
}

using Events = std::vector<std::string>;

TEST(PropertyPageTest, EachPageWindowIsBoundToItsOwnObject) {
  SheetRun run;
  TestPage first(run, 1, "First"), second(run, 2, "Second");
  std::vector<std::string> tabs;
  bool helpOrApplyShown = true;
  run.steps = {Select(1),
               [&](HWND sheet) {
                 HWND tabStrip = PropSheet_GetTabControl(sheet);
                 for (int i = 0; i < 2; ++i) {
                   char text[64] = "";
                   TCITEMA item{};
                   item.mask = TCIF_TEXT;
                   item.pszText = text;
                   item.cchTextMax = sizeof text;
                   SendMessageA(tabStrip, TCM_GETITEMA, static_cast<WPARAM>(i),
                                reinterpret_cast<LPARAM>(&item));
                   tabs.push_back(text);
                 }
                 const HWND help = GetDlgItem(sheet, IDHELP);
                 const HWND apply = GetDlgItem(sheet, 0x3021);
                 helpOrApplyShown =
                     (help && IsWindowVisible(help)) || (apply && IsWindowVisible(apply));
               },
               Press(PSBTN_OK)};
  EXPECT_EQ(RunSheet({&first, &second}), zeb::PropertySheetDialog::Outcome::Ok);

  ASSERT_NE(first.boundAtInit, nullptr);
  ASSERT_NE(second.boundAtInit, nullptr);
  EXPECT_NE(first.boundAtInit, second.boundAtInit);
  EXPECT_EQ(Only(run.events, "init"), (Events{"init 1", "init 2"}));
  EXPECT_EQ(tabs, (Events{"First", "Second"}));
  EXPECT_FALSE(helpOrApplyShown);
  // The windows are gone with the sheet; the record of having been shown stays.
  EXPECT_EQ(first.Handle(), nullptr);
  EXPECT_TRUE(first.Shown());
  EXPECT_TRUE(second.Shown());
}

TEST(PropertyPageTest, OkWritesOnlyThePagesThatWereShownInTabOrder) {
  SheetRun run;
  TestPage a(run, 1), b(run, 2), c(run, 3);
  // Visited third then first: the writes still follow the tabs.
  run.steps = {Select(2), Select(0), Press(PSBTN_OK)};
  EXPECT_EQ(RunSheet({&a, &b, &c}), zeb::PropertySheetDialog::Outcome::Ok);
  EXPECT_EQ(Only(run.events, "apply"), (Events{"apply 1", "apply 3"}));
  EXPECT_FALSE(b.Shown());
  EXPECT_TRUE(Only(run.events, "reset").empty());
}

TEST(PropertyPageTest, CancelWritesNothing) {
  SheetRun run;
  TestPage a(run, 1), b(run, 2);
  run.steps = {Select(1), Press(PSBTN_CANCEL)};
  EXPECT_EQ(RunSheet({&a, &b}), zeb::PropertySheetDialog::Outcome::Cancelled);
  EXPECT_TRUE(Only(run.events, "apply").empty());
  EXPECT_EQ(Only(run.events, "reset"), (Events{"reset 1", "reset 2"}));
  EXPECT_FALSE(run.ranOut);
}

TEST(PropertyPageTest, PageThatRefusesToBeLeftKeepsTheSheetOnIt) {
  // A refusal and a check that throws hold the user alike.
  for (const bool throws : {false, true}) {
    SCOPED_TRACE(throws ? "check throws" : "check refuses");
    SheetRun run;
    TestPage first(run, 1), second(run, 2);
    (throws ? first.throwOnLeave : first.refuseLeave) = true;
    HWND afterSwitch = nullptr, afterOk = nullptr;
    bool openAfterOk = false;
    run.steps = {Select(1),
                 [&](HWND sheet) { afterSwitch = PropSheet_GetCurrentPageHwnd(sheet); },
                 Press(PSBTN_OK),
                 [&](HWND sheet) {
                   openAfterOk = IsWindow(sheet) != FALSE;
                   afterOk = PropSheet_GetCurrentPageHwnd(sheet);
                   first.refuseLeave = first.throwOnLeave = false;
                 },
                 Select(1),
                 Press(PSBTN_OK)};
    EXPECT_EQ(RunSheet({&first, &second}), zeb::PropertySheetDialog::Outcome::Ok);
    EXPECT_EQ(afterSwitch, first.boundAtInit);
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(afterOk, first.boundAtInit);
    EXPECT_EQ(Only(run.events, "apply"), (Events{"apply 1", "apply 2"}));
    EXPECT_EQ(first.error, throws ? "check failed" : "");
  }
}

TEST(PropertyPageTest, PageThatFailsToWriteKeepsTheSheetOpenOnItself) {
  SheetRun run;
  TestPage first(run, 1), second(run, 2);
  second.throwOnApply = true;
  HWND afterOk = nullptr;
  run.steps = {Select(1), Select(0), Press(PSBTN_OK),
               [&](HWND sheet) {
                 afterOk = PropSheet_GetCurrentPageHwnd(sheet);
                 second.throwOnApply = false;
               },
               Press(PSBTN_OK)};
  EXPECT_EQ(RunSheet({&first, &second}), zeb::PropertySheetDialog::Outcome::Ok);
  EXPECT_EQ(second.error, "write failed");
  EXPECT_EQ(afterOk, second.boundAtInit);
  EXPECT_EQ(Only(run.events, "apply"), (Events{"apply 1", "apply 1", "apply 2"}));
}

TEST(PropertyPageTest, SheetWithoutPagesFailsAtOnce) {
  zeb::PropertySheetDialog sheet(GetModuleHandleA(nullptr), "Empty");
  EXPECT_EQ(sheet.Run(nullptr), zeb::PropertySheetDialog::Outcome::Failed);
}

}  // namespace
