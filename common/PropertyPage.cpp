#include "common/PropertyPage.h"

#include <exception>

namespace zeb {

PROPSHEETPAGEA PropertyPage::SheetPage() const {
  PROPSHEETPAGEA page{};
  // The first version of the record is understood by every common-controls
  // library, the 9x family's included, and holds all a page here needs.
  page.dwSize = PROPSHEETPAGEA_V1_SIZE;
  page.dwFlags = title_.empty() ? PSP_DEFAULT : PSP_USETITLE;
  page.hInstance = Instance();
  page.pszTemplate = MAKEINTRESOURCEA(TemplateId());
  page.pszTitle = title_.empty() ? nullptr : title_.c_str();
  page.pfnDlgProc = DialogProc;
  page.lParam = reinterpret_cast<LPARAM>(const_cast<PropertyPage*>(this));
  return page;
}

bool PropertyPage::HandleMessage(UINT msg, WPARAM, LPARAM lParam) {
  if (msg != WM_NOTIFY || !lParam) return false;
  const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
  if (header.hwndFrom != GetParent(hwnd_)) return false;
  return OnNotify(header);
}

bool PropertyPage::OnNotify(const NMHDR& header) {
  switch (header.code) {
    case PSN_SETACTIVE:
      shown_ = true;
      OnSetActive();
      return Answer(0);
    case PSN_KILLACTIVE: {
      // A check that fails by throwing keeps the user on the page, as a
      // refusal does; letting the sheet go on would write unchecked values.
      bool leave = false;
      try {
        leave = OnKillActive();
      } catch (const std::exception& e) {
        OnHandlerError(e.what());
      } catch (...) {
        OnHandlerError("unexpected error");
      }
      return Answer(leave ? FALSE : TRUE);
    }
    case PSN_APPLY: {
      // A page that could not write keeps the sheet open on itself rather
      // than closing it as if everything was saved.
      bool written = false;
      try {
        OnApply();
        written = true;
      } catch (const std::exception& e) {
        OnHandlerError(e.what());
      } catch (...) {
        OnHandlerError("unexpected error");
      }
      return Answer(written ? PSNRET_NOERROR : PSNRET_INVALID);
    }
    case PSN_RESET:
      OnReset();
      return Answer(0);
    default:
      return false;
  }
}

bool PropertyPage::Answer(LONG_PTR result) {
  SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
  return true;
}

}  // namespace zeb
