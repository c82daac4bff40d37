#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "slideshow/display/PasswordPromptDlg.h"
#include "slideshow/display/PasswordPromptDlgIds.h"

namespace lumi {
namespace {

// What the user does at the prompt, and what they saw after each wrong try.
struct Attempt {
  const char* typed;  // null: press Cancel instead
};
struct Seen {
  bool found = false;
  std::vector<bool> openAfter;
  std::vector<std::string> editAfter;
  bool passwordStyle = false;
};

// Plays the user from another thread while the prompt runs modally here.
class User {
 public:
  explicit User(std::vector<Attempt> attempts)
      : attempts_(std::move(attempts)), thread_([this] { Play(); }) {}
  ~User() {
    if (thread_.joinable()) thread_.join();
  }
  const Seen& Result() {
    if (thread_.joinable()) thread_.join();
    return seen_;
  }

 private:
  void Play() {
    HWND dialog = nullptr;
    for (int i = 0; i < 500 && !dialog; ++i) {
      dialog = FindWindowA("#32770", "Enter Password");
      if (!dialog) Sleep(20);
    }
    if (!dialog) return;
    // Found as soon as it exists; shown a moment later.
    for (int i = 0; i < 500 && !IsWindowVisible(dialog); ++i) Sleep(20);
    seen_.found = true;
    HWND edit = GetDlgItem(dialog, IDC_PASSWORD_EDIT);
    seen_.passwordStyle = (GetWindowLongA(edit, GWL_STYLE) & ES_PASSWORD) != 0;
    for (const Attempt& attempt : attempts_) {
      if (!attempt.typed) {
        SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
        return;
      }
      SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(attempt.typed));
      SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
      // A prompt that accepted would be gone by now.
      Sleep(100);
      const bool open = IsWindow(dialog) && IsWindowVisible(dialog);
      seen_.openAfter.push_back(open);
      if (!open) return;
      char text[64] = {};
      SendMessageA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
      seen_.editAfter.push_back(text);
    }
  }

  std::vector<Attempt> attempts_;
  Seen seen_;
  std::thread thread_;
};

TEST(PasswordPrompt, RightPasswordClosesWithOk) {
  CPasswordPromptDlg prompt(nullptr, "Open Sesame");
  User user({{"Open Sesame"}});
  EXPECT_EQ(prompt.Run(), IDOK);
  const Seen& seen = user.Result();
  ASSERT_TRUE(seen.found);
  EXPECT_TRUE(seen.passwordStyle);
}

// Wrong answers, close ones included, beep and empty the box; the prompt
// stays until the right one or Cancel.
TEST(PasswordPrompt, WrongPasswordsKeepThePromptOpenUntilCancel) {
  CPasswordPromptDlg prompt(nullptr, "Open Sesame");
  User user({{"open sesame"}, {"Open Sesam"}, {"Open Sesame "}, {""}, {nullptr}});
  EXPECT_EQ(prompt.Run(), IDCANCEL);
  const Seen& seen = user.Result();
  ASSERT_TRUE(seen.found);
  ASSERT_EQ(seen.openAfter.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_TRUE(seen.openAfter[i]) << i;
    EXPECT_EQ(seen.editAfter[i], "") << i;
  }
}

TEST(PasswordPrompt, NoExpectedPasswordAcceptsAnything) {
  const char* answers[] = {"anything", ""};
  for (const char* answer : answers) {
    CPasswordPromptDlg prompt(nullptr, "");
    User user({{answer}});
    EXPECT_EQ(prompt.Run(), IDOK) << answer;
  }
}

TEST(PasswordPrompt, NoAnswerInTimeCancels) {
  CPasswordPromptDlg prompt(nullptr, "Open Sesame", 50);
  EXPECT_EQ(prompt.Run(), IDCANCEL);
}

}  // namespace
}  // namespace lumi
