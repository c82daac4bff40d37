#pragma once
// Guards for every GDI acquisition both programs make. Each keeps what it must
// give back and is movable but not copyable, so that a handle has exactly one
// owner. Declared in acquisition order they tear down in the order Windows
// needs: a selection is restored before its device context is deleted, and a
// context is deleted before the objects that were selected into it. (Wine
// quietly defers deleting a selected object; Windows refuses, and the object
// leaks.)
#include <windows.h>

#include <array>
#include <utility>

namespace zeb {

// SaveDC / RestoreDC around a drawing step, so that modes, colours and
// selections it changes do not leak into a shared context.
class DcStateGuard {
 public:
  explicit DcStateGuard(HDC dc) : dc_(dc), saved_(dc ? SaveDC(dc) : 0) {}
  ~DcStateGuard() {
    if (saved_ != 0) RestoreDC(dc_, saved_);
  }
  DcStateGuard(const DcStateGuard&) = delete;
  DcStateGuard& operator=(const DcStateGuard&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// An owned pen, brush, font, bitmap, palette or region: deleted when the
// guard ends. Declare it before whatever selects it, so that it is
// deselected first. Handle is the handle's own type where the owner hands it
// to calls that want that type (a bitmap to BitBlt's source, a palette to
// SelectPalette), so that no cast is needed.
template <class Handle>
class GdiOwner {
 public:
  GdiOwner() = default;
  explicit GdiOwner(Handle object) : object_(object) {}
  ~GdiOwner() { Reset(); }
  GdiOwner(GdiOwner&& other) noexcept : object_(other.Release()) {}
  GdiOwner& operator=(GdiOwner&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  GdiOwner(const GdiOwner&) = delete;
  GdiOwner& operator=(const GdiOwner&) = delete;

  Handle Get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // Hands the object to the caller, who then owns it.
  Handle Release() { return std::exchange(object_, nullptr); }
  // Deletes the object held so far and takes the new one (taking the one
  // already held keeps it).
  void Reset(Handle object = nullptr) {
    Handle old = std::exchange(object_, object);
    if (old && old != object) DeleteObject(old);
  }

 private:
  Handle object_ = nullptr;
};

using GdiObjectGuard = GdiOwner<HGDIOBJ>;
using OwnedBitmap = GdiOwner<HBITMAP>;
using OwnedPalette = GdiOwner<HPALETTE>;
using OwnedFont = GdiOwner<HFONT>;
using OwnedRegion = GdiOwner<HRGN>;

// Selects an object into a context and puts the previous one back.
class SelectionGuard {
 public:
  SelectionGuard(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(dc && object ? SelectObject(dc, object) : nullptr) {}
  ~SelectionGuard() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Selects a palette into a context and puts the previous one back with the
// same background rule. A guard that outlives a picture may find the
// previous palette deleted meanwhile (it belonged to an earlier picture); the
// stock palette then takes its place, so that the guarded palette is never
// left selected for its owner to delete.
class PaletteGuard {
 public:
  PaletteGuard(HDC dc, HPALETTE palette, bool background)
      : dc_(dc),
        background_(background),
        old_(dc && palette ? SelectPalette(dc, palette, background ? TRUE : FALSE) : nullptr) {}
  ~PaletteGuard() {
    if (!old_) return;
    HPALETTE back = old_;
    if (GetObjectType(back) != OBJ_PAL)
      back = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    SelectPalette(dc_, back, background_ ? TRUE : FALSE);
  }
  PaletteGuard(const PaletteGuard&) = delete;
  PaletteGuard& operator=(const PaletteGuard&) = delete;

 private:
  HDC dc_;
  bool background_;
  HPALETTE old_;
};

// A memory device context compatible with another. Objects selected through
// Select stay selected for the context's life; before the context is deleted
// the objects it was made with are put back, so that whatever was selected
// can be deleted afterwards. Declare the guards of those objects before it.
class MemoryDcGuard {
 public:
  MemoryDcGuard() = default;
  explicit MemoryDcGuard(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDcGuard() { Reset(); }
  MemoryDcGuard(MemoryDcGuard&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), originals_(std::exchange(other.originals_, {})) {}
  MemoryDcGuard& operator=(MemoryDcGuard&& other) noexcept {
    if (this != &other) {
      Reset();
      dc_ = std::exchange(other.dc_, nullptr);
      originals_ = std::exchange(other.originals_, {});
    }
    return *this;
  }
  MemoryDcGuard(const MemoryDcGuard&) = delete;
  MemoryDcGuard& operator=(const MemoryDcGuard&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

  // Selects a bitmap, brush, pen or font; false when the context refused it.
  // The first selection of each kind remembers what the context had before.
  bool Select(HGDIOBJ object) {
    if (!dc_ || !object) return false;
    const int slot = Slot(GetObjectType(object));
    if (slot < 0) return false;
    HGDIOBJ old = SelectObject(dc_, object);
    if (!old || old == HGDI_ERROR) return false;
    if (!originals_[static_cast<std::size_t>(slot)])
      originals_[static_cast<std::size_t>(slot)] = old;
    return true;
  }

  // Puts back the objects the context was made with; what Select chose may
  // then be deleted while the context lives on.
  void RestoreSelections() {
    for (HGDIOBJ& original : originals_) {
      if (original && dc_) SelectObject(dc_, original);
      original = nullptr;
    }
  }

  // Restores the original selections, then deletes the context.
  void Reset() {
    if (!dc_) return;
    RestoreSelections();
    DeleteDC(std::exchange(dc_, nullptr));
  }

 private:
  static int Slot(DWORD type) {
    switch (type) {
      case OBJ_BITMAP:
        return 0;
      case OBJ_BRUSH:
        return 1;
      case OBJ_PEN:
        return 2;
      case OBJ_FONT:
        return 3;
      default:
        return -1;
    }
  }

  HDC dc_ = nullptr;
  std::array<HGDIOBJ, 4> originals_{};
};

// A device context of a window (GetDC; null window: the screen), released
// when the guard ends.
class WindowDcGuard {
 public:
  WindowDcGuard() = default;
  explicit WindowDcGuard(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDcGuard() { Reset(); }
  WindowDcGuard(WindowDcGuard&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDcGuard& operator=(WindowDcGuard&& other) noexcept {
    if (this != &other) {
      Reset();
      window_ = std::exchange(other.window_, nullptr);
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  WindowDcGuard(const WindowDcGuard&) = delete;
  WindowDcGuard& operator=(const WindowDcGuard&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  void Reset() {
    if (dc_) ReleaseDC(window_, std::exchange(dc_, nullptr));
    window_ = nullptr;
  }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

// BeginPaint / EndPaint for one WM_PAINT: the paint ends even when drawing
// throws, so the update region is validated and the caret shown again.
class PaintDcGuard {
 public:
  explicit PaintDcGuard(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDcGuard() { EndPaint(window_, &paint_); }
  PaintDcGuard(const PaintDcGuard&) = delete;
  PaintDcGuard& operator=(const PaintDcGuard&) = delete;

  HDC Get() const { return dc_; }
  const RECT& Area() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace zeb
