// The number fields of settings pages: what counts as a fitting number, and
// what the user is left with when it does not fit.
#include <gtest/gtest.h>

#include <string>

#include "common/DialogData.h"
#include "common/Window.h"
#include "tests/common/CommonTestIds.h"

namespace {

TEST(DialogDataTest, NumberEntriesAreCheckedAgainstTheirRange) {
  const std::string notInteger = "Please enter an integer.";
  const std::string outside = "Please enter an integer between 10 and 500.";
  struct Case {
    const char* text;
    int expected;  // 0: refused
    const std::string& problem;
  };
  const std::string none;
  for (const Case& c :
       {Case{"15", 15, none}, Case{" 42 ", 42, none}, Case{"10", 10, none}, Case{"500", 500, none},
        Case{"+20", 20, none}, Case{"9", 0, outside}, Case{"501", 0, outside},
        Case{"-15", 0, outside}, Case{"", 0, notInteger}, Case{"  ", 0, notInteger},
        Case{"abc", 0, notInteger}, Case{"12a", 0, notInteger}, Case{"1.5", 0, notInteger},
        Case{"-", 0, notInteger}, Case{"99999999999", 0, notInteger}}) {
    const zeb::IntEntry entry = zeb::ParseIntEntry(c.text, 10, 500);
    EXPECT_EQ(entry.value.value_or(0), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(entry.problem, c.problem) << '"' << c.text << '"';
  }
  EXPECT_EQ(zeb::ParseIntEntry("-3", -5, 5).value.value_or(0), -3);
}

class FieldDialog final : public zeb::Dialog {
 public:
  FieldDialog() : Dialog(GetModuleHandleA(nullptr), IDD_BUTTONS) {}
  ~FieldDialog() override {
    if (Handle()) DestroyWindow(Handle());
  }
};

std::string shownMessage;

BOOL CALLBACK ReadAndCloseMessageBox(HWND window, LPARAM) {
  char className[16] = "";
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) != "#32770" || !GetDlgItem(window, 0xFFFF)) return TRUE;
  char text[256] = "";
  GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
  shownMessage = text;
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

// Runs inside the message box's own loop.
void CALLBACK CloseMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), ReadAndCloseMessageBox, 0);
  if (!shownMessage.empty()) KillTimer(nullptr, timer);
}

TEST(DialogDataTest, RefusedNumberIsExplainedAndLeftSelectedForRetyping) {
  FieldDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  ShowWindow(dialog.Handle(), SW_SHOW);
  zeb::SetItemText(dialog.Handle(), IDC_PAGE_NUMBER, "7");
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, CloseMessageBox);
  EXPECT_FALSE(zeb::ReadItemInt(dialog.Handle(), IDC_PAGE_NUMBER, 10, 500).has_value());
  KillTimer(nullptr, timer);
  EXPECT_EQ(shownMessage, "Please enter an integer between 10 and 500.");
  const HWND field = GetDlgItem(dialog.Handle(), IDC_PAGE_NUMBER);
  EXPECT_EQ(GetFocus(), field);
  DWORD start = 99, end = 99;
  SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 1u);

  zeb::SetItemText(dialog.Handle(), IDC_PAGE_NUMBER, "120");
  EXPECT_EQ(zeb::ReadItemInt(dialog.Handle(), IDC_PAGE_NUMBER, 10, 500).value_or(0), 120);
}

}  // namespace
