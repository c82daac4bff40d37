#include "common/DialogData.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

namespace zeb {

std::string ItemText(HWND dialog, int id) {
  HWND item = GetDlgItem(dialog, id);
  if (!item) return {};
  const int length = GetWindowTextLengthA(item);
  std::vector<char> text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
  GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
  return text.data();
}

void SetItemText(HWND dialog, int id, const std::string& text) {
  SetDlgItemTextA(dialog, id, text.c_str());
}

bool ItemChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void SetItemChecked(HWND dialog, int id, bool checked) {
  CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void SetItemInt(HWND dialog, int id, int value) { SetDlgItemInt(dialog, id, value, TRUE); }

IntEntry ParseIntEntry(const std::string& text, int min, int max) {
  const char* begin = text.c_str();
  while (std::isspace(static_cast<unsigned char>(*begin))) ++begin;
  char* end = nullptr;
  errno = 0;
  const long parsed = std::strtol(begin, &end, 10);
  const bool digits = end != begin && std::isdigit(static_cast<unsigned char>(end[-1]));
  while (end && std::isspace(static_cast<unsigned char>(*end))) ++end;
  // A number too large for an int is no integer the user could mean here.
  if (!digits || *end != '\0' || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
    return {std::nullopt, "Please enter an integer."};
  if (parsed < min || parsed > max)
    return {std::nullopt, "Please enter an integer between " + std::to_string(min) + " and " +
                              std::to_string(max) + "."};
  return {static_cast<int>(parsed), {}};
}

std::optional<int> ReadItemInt(HWND dialog, int id, int min, int max) {
  const IntEntry entry = ParseIntEntry(ItemText(dialog, id), min, max);
  if (entry.value) return entry.value;
  // Captioned like the window the user is in (a page's sheet, say).
  HWND top = GetAncestor(dialog, GA_ROOT);
  char caption[256] = "";
  GetWindowTextA(top ? top : dialog, caption, sizeof caption);
  MessageBoxA(dialog, entry.problem.c_str(), caption, MB_OK | MB_ICONEXCLAMATION);
  if (HWND field = GetDlgItem(dialog, id)) {
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
  }
  return std::nullopt;
}

}  // namespace zeb
