#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "slideshow/engine/AppProfile.h"
#include "slideshow/viewer/QuickNoteDlg.h"
#include "slideshow/viewer/QuickNoteDlgIds.h"
#include "tests/slideshow/dialogs/DialogDriver.h"
#include "tests/slideshow/dialogs/DialogsTestIds.h"

namespace lumi {
namespace {

using test::DialogDriver;

constexpr char kProfileKey[] = "Software\\ZebTests\\Quick Note Saver";
constexpr char kSectionKey[] = "Software\\ZebTests\\Quick Note Saver\\QuickNotes";

// What the user saw in the note.
struct Seen {
  std::string text;
  bool icon = false;
  bool tickedAtStart = true;
  HWND owner = nullptr;
};

enum class Close { kOk, kTickThenOk, kTickThenEscape };

// Shows note id and plays the user; false when no note came.
bool RunNote(int id, Close how, Seen* seen = nullptr, HWND parent = nullptr) {
  Seen local;
  Seen& s = seen ? *seen : local;
  DialogDriver user("Quick Note", [&](HWND note) {
    s.text = test::ItemText(note, IDC_QUICK_NOTE_TEXT);
    s.icon = SendDlgItemMessageA(note, IDC_QUICK_NOTE_ICON, STM_GETICON, 0, 0) != 0;
    s.tickedAtStart = IsDlgButtonChecked(note, IDC_QUICK_NOTE_NEVER_AGAIN) == BST_CHECKED;
    s.owner = GetWindow(note, GW_OWNER);
    HWND box = GetDlgItem(note, IDC_QUICK_NOTE_NEVER_AGAIN);
    if (how != Close::kOk) SendMessageA(box, BM_CLICK, 0, 0);
    if (how == Close::kTickThenEscape) {
      // Through the dialog's own keyboard handling, as a key press arrives.
      PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
    } else {
      SendMessageA(GetDlgItem(note, IDOK), BM_CLICK, 0, 0);
    }
  });
  const bool shown = ShowQuickNote(GetModuleHandleA(nullptr), CAppProfile(kProfileKey), id, parent);
  // Any note has come and gone by now.
  user.Stop();
  EXPECT_EQ(shown, user.Found()) << "note " << id;
  return user.Found();
}

// The stored switch as another program would read it: a DWORD, or absent (-1).
long StoredFlag(int id) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSectionKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
  DWORD value = 0, type = 0, size = sizeof value;
  const std::string name = "DontShowDialog#" + std::to_string(id);
  const LONG r =
      RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(key);
  if (r != ERROR_SUCCESS) return -1;
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  return static_cast<long>(value);
}

class QuickNote : public ::testing::Test {
 protected:
  void SetUp() override { Forget(); }
  void TearDown() override { Forget(); }
  static void Forget() {
    RegDeleteKeyA(HKEY_CURRENT_USER, kSectionKey);
    RegDeleteKeyA(HKEY_CURRENT_USER, kProfileKey);
  }
};

TEST_F(QuickNote, TickedOnceItNeverShowsAgainWhileOtherNotesStillDo) {
  Seen seen;
  ASSERT_TRUE(RunNote(IDS_TEST_NOTE, Close::kTickThenOk, &seen));
  EXPECT_EQ(seen.text, TEST_NOTE_TEXT);
  EXPECT_TRUE(seen.icon);
  EXPECT_FALSE(seen.tickedAtStart);
  EXPECT_EQ(StoredFlag(IDS_TEST_NOTE), 1);

  // A new profile object reads the registry afresh, as a later run would.
  EXPECT_FALSE(RunNote(IDS_TEST_NOTE, Close::kOk));

  // OK without the tick stores nothing: the other note comes every time.
  ASSERT_TRUE(RunNote(IDS_OTHER_TEST_NOTE, Close::kOk, &seen));
  EXPECT_EQ(seen.text, OTHER_TEST_NOTE_TEXT);
  EXPECT_EQ(StoredFlag(IDS_OTHER_TEST_NOTE), -1);
  EXPECT_TRUE(RunNote(IDS_OTHER_TEST_NOTE, Close::kOk));
}

TEST_F(QuickNote, EscapeStoresNothingEvenWithTheBoxTicked) {
  ASSERT_TRUE(RunNote(IDS_TEST_NOTE, Close::kTickThenEscape));
  EXPECT_EQ(StoredFlag(IDS_TEST_NOTE), -1);
  EXPECT_TRUE(RunNote(IDS_TEST_NOTE, Close::kOk));
}

TEST_F(QuickNote, AnyStoredValueButZeroKeepsItAway) {
  CAppProfile profile(kProfileKey);
  ASSERT_TRUE(profile.WriteInt("QuickNotes", "DontShowDialog#" + std::to_string(IDS_TEST_NOTE), 0));
  EXPECT_TRUE(RunNote(IDS_TEST_NOTE, Close::kOk));
  ASSERT_TRUE(profile.WriteInt("QuickNotes", "DontShowDialog#" + std::to_string(IDS_TEST_NOTE), 7));
  EXPECT_FALSE(RunNote(IDS_TEST_NOTE, Close::kOk));
}

TEST_F(QuickNote, WithoutAStringTheNoteIsEmpty) {
  Seen seen;
  seen.text = "(untouched)";
  ASSERT_TRUE(RunNote(IDS_MISSING_NOTE, Close::kOk, &seen));
  EXPECT_EQ(seen.text, "");
}

TEST_F(QuickNote, WithoutAParentItBelongsToTheActiveWindow) {
  HWND active = CreateWindowExA(0, "STATIC", "active", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetActiveWindow(active);
  ASSERT_EQ(GetActiveWindow(), active);
  Seen seen;
  ASSERT_TRUE(RunNote(IDS_TEST_NOTE, Close::kOk, &seen));
  EXPECT_EQ(seen.owner, active);
  DestroyWindow(active);
}

}  // namespace
}  // namespace lumi
