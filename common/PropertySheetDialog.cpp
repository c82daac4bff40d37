#include "common/PropertySheetDialog.h"

#include <cstring>

namespace zeb {

PropertySheetDialog::Outcome PropertySheetDialog::Run(HWND parent, DWORD flags) {
  if (pages_.empty()) return Outcome::Failed;
  // The sheet is made of common controls (its tab strip); the oldest
  // registration call is there on every system.
  InitCommonControls();
  // The sheet steps through the page records by their dwSize, not by the
  // size of the structure this compiler knows, so they are laid out at that
  // stride.
  std::vector<PROPSHEETPAGEA> records(pages_.size());
  auto* packed = reinterpret_cast<unsigned char*>(records.data());
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    const PROPSHEETPAGEA page = pages_[i]->SheetPage();
    std::memcpy(packed + i * page.dwSize, &page, page.dwSize);
  }

  PROPSHEETHEADERA header{};
  // The first version of the header, as for the pages: every common-controls
  // library takes it.
  header.dwSize = PROPSHEETHEADERA_V1_SIZE;
  // Our own flags decide how the pages are given; the caller's may not
  // turn the sheet modeless, which Run could not wait for.
  header.dwFlags = (flags & ~(PSH_HASHELP | PSH_MODELESS | PSH_PROPSHEETPAGE)) | PSH_PROPSHEETPAGE;
  header.hwndParent = parent;
  header.hInstance = instance_;
  header.pszCaption = caption_.c_str();
  header.nPages = static_cast<UINT>(pages_.size());
  header.nStartPage = 0;
  header.ppsp = records.data();  // packed at the front

  // Greater than zero after OK (the value may also ask for a restart), zero
  // after Cancel, below zero when the sheet could not be made.
  const INT_PTR result = ::PropertySheetA(&header);
  if (result > 0) return Outcome::Ok;
  return result == 0 ? Outcome::Cancelled : Outcome::Failed;
}

}  // namespace zeb
