#pragma once
// A modal property sheet over pages the caller owns. The sheet only borrows
// them: each page object must outlive Run.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>
#include <vector>

#include "common/PropertyPage.h"

namespace zeb {

class PropertySheetDialog {
 public:
  enum class Outcome { Ok, Cancelled, Failed };

  PropertySheetDialog(HINSTANCE instance, std::string caption)
      : instance_(instance), caption_(std::move(caption)) {}
  PropertySheetDialog(const PropertySheetDialog&) = delete;
  PropertySheetDialog& operator=(const PropertySheetDialog&) = delete;

  // Adds a tab after those added so far; the first is shown when the sheet opens.
  void AddPage(PropertyPage& page) { pages_.push_back(&page); }
  std::size_t PageCount() const { return pages_.size(); }

  // Runs the sheet modally over parent and returns once OK or Cancel closed
  // it (Failed: it could not be made, or has no pages). flags are added to
  // the header's (PSH_NOAPPLYNOW for a sheet without Apply); a help button
  // is never shown.
  Outcome Run(HWND parent, DWORD flags = PSH_NOAPPLYNOW);

 private:
  HINSTANCE instance_;
  std::string caption_;
  std::vector<PropertyPage*> pages_;
};

}  // namespace zeb
