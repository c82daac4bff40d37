#include "plantsaver/setup/PendingForm.h"

#include "common/GdiGuards.h"

namespace gulpleaf {

PendingForm::PendingForm(std::string caption, std::string description, int clientWidth,
                         int clientHeight)
    : caption_(std::move(caption)),
      description_(std::move(description)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight) {}

bool PendingForm::CreateForm() {
  RECT r{0, 0, clientWidth_, clientHeight_};
  AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
  zeb::FormStyle style;
  style.caption = caption_;
  style.width = r.right - r.left;
  style.height = r.bottom - r.top;
  style.x = (GetSystemMetrics(SM_CXSCREEN) - style.width) / 2;
  style.y = (GetSystemMetrics(SM_CYSCREEN) - style.height) / 2;
  if (!Create(style)) return false;
  SetColor(GetSysColor(COLOR_BTNFACE));
  return true;
}

void PendingForm::OnPaint(HDC dc) {
  RECT r{12, 12, ClientWidth() - 12, ClientHeight() - 12};
  zeb::SelectionGuard font(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, description_.c_str(), -1, &r, DT_WORDBREAK | DT_NOPREFIX);
}

LRESULT PendingForm::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_KEYDOWN && (wParam == VK_ESCAPE || wParam == VK_RETURN)) {
    Close();
    return 0;
  }
  return Form::HandleMessage(msg, wParam, lParam);
}

TForm2::TForm2()
    : PendingForm("Gulpleaf Saver",
                  "Gulpleaf Saver configuration.\r\n\r\nThis window will become the settings "
                  "dialog: animation speed, effect sounds, start track and volume, with a test "
                  "run of the saver. It is not built yet; close it to leave.",
                  302, 270) {}

}  // namespace gulpleaf
