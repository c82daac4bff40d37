#include "tests/slideshow/settingssheet/SheetUser.h"

// After windows.h, which it needs.
#include <commctrl.h>

#include <atomic>
#include <fstream>
#include <thread>

#include "slideshow/viewer/settings/SettingsSheet.h"
#include "tests/support/Screen.h"

namespace lumi::test {
namespace {

constexpr DWORD kPatienceMs = 10000;

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

struct BoxSearch {
  HWND sheet;
  HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<BoxSearch*>(lParam);
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (window != search.sheet && std::string(name) == "#32770" && IsWindowVisible(window) &&
      GetAncestor(GetWindow(window, GW_OWNER), GA_ROOT) == search.sheet) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

bool SaveBitmap(const zebtest::Pixels& pixels, const std::string& path) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = pixels.width;
  header.biHeight = -pixels.height;  // top row first, as captured
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.data.size() * 4);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(pixels.data.data()),
            static_cast<std::streamsize>(pixels.data.size() * 4));
  return static_cast<bool>(out);
}

}  // namespace

HWND SheetUser::Page() const {
  return reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0));
}

std::vector<std::string> SheetUser::TabTitles() const {
  std::vector<std::string> titles;
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETTABCONTROL, 0, 0));
  const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[64] = "";
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    titles.push_back(text);
  }
  return titles;
}

HWND SheetUser::MessageBoxWindow() const {
  BoxSearch search{sheet_, nullptr};
  EnumThreadWindows(GetWindowThreadProcessId(sheet_, nullptr), FindBox,
                    reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void SheetUser::WaitFor(const std::function<bool()>& done) const {
  for (DWORD waited = 0; waited < kPatienceMs; waited += 10) {
    if (Closed() || MessageBoxWindow() || done()) return;
    Sleep(10);
  }
}

// Posted, not sent: a page that refuses to be left shows its message box
// inside the sheet's handling, and a sent message would wait for the box.
void SheetUser::Select(int tab) {
  PostMessageA(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(tab), 0);
  WaitFor([&] {
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETTABCONTROL, 0, 0));
    return SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == tab;
  });
}

void SheetUser::PressOk() {
  PostMessageA(sheet_, PSM_PRESSBUTTON, PSBTN_OK, 0);
  WaitFor([] { return false; });
}

void SheetUser::PressCancel() {
  PostMessageA(sheet_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  WaitFor([] { return false; });
}

std::string SheetUser::Text(int id) const { return TextOf(Item(id)); }

void SheetUser::SetText(int id, const std::string& text) {
  SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool SheetUser::Checked(int id) const {
  return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SheetUser::Click(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }

std::string SheetUser::Selected(int id) const {
  HWND list = Item(id);
  const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return {};
  char text[128] = {};
  SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

std::string SheetUser::TakeMessage() {
  HWND box = MessageBoxWindow();
  if (!box) return {};
  // The message box's text is its static control with the id 0xFFFF.
  const std::string text = TextOf(GetDlgItem(box, 0xFFFF));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  for (DWORD waited = 0; waited < kPatienceMs && IsWindow(box); waited += 10) Sleep(10);
  // The field gets the focus once the box has returned.
  SendMessageA(sheet_, WM_NULL, 0, 0);
  return text;
}

HWND SheetUser::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(sheet_, nullptr), &info);
  return info.hwndFocus;
}

bool SheetUser::SavePicture(const std::string& path) const {
  SetForegroundWindow(sheet_);
  RedrawWindow(sheet_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  // The pages paint on the sheet's thread; give them a moment.
  Sleep(300);
  RECT r{};
  GetWindowRect(sheet_, &r);
  return SaveBitmap(zebtest::CaptureScreen(r.left, r.top, r.right - r.left, r.bottom - r.top),
                    path);
}

INT_PTR RunSheet(CSettingsSheet& sheet, const std::function<void(SheetUser&)>& act, bool* found) {
  std::atomic<bool> done{false};
  bool came = false;
  std::thread user([&] {
    HWND window = nullptr;
    for (DWORD waited = 0; waited < kPatienceMs && !done; waited += 10) {
      window = FindWindowA(nullptr, CSettingsSheet::kCaption);
      if (window && IsWindowVisible(window)) break;
      window = nullptr;
      Sleep(10);
    }
    if (!window) return;
    came = true;
    SheetUser sheetUser(window);
    act(sheetUser);
    // A box left open would hold the sheet; then the sheet goes unsaved.
    while (!sheetUser.Closed() && !sheetUser.TakeMessage().empty()) {
    }
    if (!sheetUser.Closed()) sheetUser.PressCancel();
  });
  const INT_PTR result = sheet.DoModal(nullptr);
  done = true;
  user.join();
  if (found) *found = came;
  return result;
}

}  // namespace lumi::test
