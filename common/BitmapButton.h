#pragma once
// A push button that shows a small bitmap with its caption beside it. It
// takes over an owner-drawn button of a dialog template (BS_OWNERDRAW) and
// stays an ordinary push button: clicks reach the dialog as BN_CLICKED.
//
// Drawing: Windows sends WM_DRAWITEM for the button to its dialog. A
// zeb::Dialog hands every WM_DRAWITEM it does not handle back to the control
// (Dialog::ReflectedDrawItemMessage), so the button draws itself and the
// dialog needs no code for it. A button under any other parent has that
// parent call DrawItem with the DRAWITEMSTRUCT.
#include <windows.h>

#include <string>

#include "common/GdiGuards.h"

namespace zeb {

class BitmapButton {
 public:
  // What one drawing shows.
  struct Face {
    HBITMAP bitmap = nullptr;  // null: the caption alone
    std::string caption;
    HFONT font = nullptr;  // null: the font already selected into the context
    bool pressed = false;
    bool focused = false;
    bool disabled = false;
  };

  BitmapButton() = default;
  ~BitmapButton();
  BitmapButton(const BitmapButton&) = delete;
  BitmapButton& operator=(const BitmapButton&) = delete;

  // Takes over the dialog's control id and loads bitmap resource bitmapId
  // from instance. False when the control is missing, is not owner-drawn,
  // is already taken over, or the bitmap is missing; the button then stays
  // as it was.
  bool Attach(HWND dialog, int controlId, HINSTANCE instance, int bitmapId);
  HWND Handle() const { return button_; }

  // Draws the button for a WM_DRAWITEM; false when the item is not this button.
  bool DrawItem(const DRAWITEMSTRUCT& item) const;

  // Draws a face into area of dc: the button frame (sunken when pressed),
  // the bitmap at the left, vertically centred, and the caption centred in
  // the room to its right. Pressed moves bitmap and caption one pixel right
  // and down; focused adds the focus rectangle inside the frame; disabled
  // greys bitmap and caption.
  static void Draw(HDC dc, const RECT& area, const Face& face);

 private:
  static LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
  LRESULT OnButtonMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  static WNDPROC NextProc(HWND button);
  void Detach();

  HWND button_ = nullptr;
  GdiObjectGuard bitmap_;
};

}  // namespace zeb
