#pragma once
// Guards for the few GDI acquisitions the caption drawing makes. Each keeps
// what it must give back; declared in acquisition order they tear down in
// the order Windows needs: selection restored, then the object deleted, then
// the device context's saved state restored. (Wine quietly defers deleting a
// selected object; Windows refuses, and the object leaks.)
#include <windows.h>

namespace lumi::captions {

// SaveDC / RestoreDC around a drawing step, so that modes, colours and
// selections it changes do not leak into the slideshow's shared context.
class DcStateGuard {
 public:
  explicit DcStateGuard(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~DcStateGuard() {
    if (saved_ != 0) RestoreDC(dc_, saved_);
  }
  DcStateGuard(const DcStateGuard&) = delete;
  DcStateGuard& operator=(const DcStateGuard&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// An owned pen, brush or font: deleted when the guard ends. Declare it before
// the SelectionGuard that selects it, so that it is deselected first.
class GdiObjectGuard {
 public:
  explicit GdiObjectGuard(HGDIOBJ object) : object_(object) {}
  ~GdiObjectGuard() {
    if (object_) DeleteObject(object_);
  }
  GdiObjectGuard(const GdiObjectGuard&) = delete;
  GdiObjectGuard& operator=(const GdiObjectGuard&) = delete;

  HGDIOBJ Get() const { return object_; }
  // Hands the object to the caller, who then owns it.
  HGDIOBJ Release() {
    HGDIOBJ object = object_;
    object_ = nullptr;
    return object;
  }

 private:
  HGDIOBJ object_;
};

// Selects an object into a context and puts the previous one back.
class SelectionGuard {
 public:
  SelectionGuard(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectionGuard() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A memory device context compatible with another, deleted when the guard
// ends. Declare the bitmap's guard before it and its selection after it.
class MemoryDcGuard {
 public:
  explicit MemoryDcGuard(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDcGuard() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDcGuard(const MemoryDcGuard&) = delete;
  MemoryDcGuard& operator=(const MemoryDcGuard&) = delete;

  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A device context of a window (GetDC), released when the guard ends.
class WindowDcGuard {
 public:
  explicit WindowDcGuard(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDcGuard() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDcGuard(const WindowDcGuard&) = delete;
  WindowDcGuard& operator=(const WindowDcGuard&) = delete;

  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace lumi::captions
