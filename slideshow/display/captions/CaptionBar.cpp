#include "slideshow/display/captions/CaptionBar.h"

#include "common/GdiGuards.h"
#include "slideshow/display/captions/CaptionSchedule.h"
#include "slideshow/display/captions/FittedFont.h"

namespace lumi {
namespace {

constexpr int kTextInset = 3;
constexpr COLORREF kBarColour = RGB(255, 255, 255);
constexpr COLORREF kShadowColour = RGB(192, 192, 192);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr UINT kMessageFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// Measured without DT_SINGLELINE: a message with line breaks then measures
// taller and gets a smaller font rather than spilling out of the band.
constexpr UINT kMeasureFlags = DT_CENTER | DT_VCENTER;

}  // namespace

RECT CaptionBarRect(const RECT& display, int rise) {
  return RECT{display.left, display.bottom - rise, display.right,
              display.bottom - rise + kCaptionBarHeight};
}

RECT CaptionTextRect(const RECT& display) {
  RECT r = CaptionBarRect(display, kCaptionBarHeight);
  r.top += kTextInset;
  r.bottom -= kTextInset;
  return r;
}

void PrepareCaptionFont(CaptionFont& font, const RECT& display, const std::string& message) {
  // The old font goes before the new one is measured.
  font.Replace({});
  font.Replace(
      CreateFittedFont(message, CaptionTextRect(display), "Arial", true, false, kMeasureFlags));
}

namespace {

// The band and its message at bar on dc.
void PaintBar(HDC dc, RECT bar, const std::string& message, HFONT font) {
  zeb::DcStateGuard state(dc);
  zeb::GdiObjectGuard brush(CreateSolidBrush(kBarColour));
  if (brush.Get()) FillRect(dc, &bar, static_cast<HBRUSH>(brush.Get()));
  zeb::SelectionGuard selected(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const int length = static_cast<int>(message.size());
  RECT shadow = bar;
  OffsetRect(&shadow, 1, 1);
  SetTextColor(dc, kShadowColour);
  DrawTextA(dc, message.c_str(), length, &shadow, kMessageFlags);
  SetTextColor(dc, kTextColour);
  DrawTextA(dc, message.c_str(), length, &bar, kMessageFlags);
}

}  // namespace

void DrawCaptionBar(HDC dc, const RECT& display, const std::string& message, HFONT font, int rise) {
  if (rise < 0 || rise > kCaptionBarHeight) return;
  const RECT bar = CaptionBarRect(display, rise);
  const int width = bar.right - bar.left;
  // The band is drawn again at every step of its rise. Painted in place, the
  // fill would wipe the message before it is drawn again and the text would
  // flicker, so it is composed off screen and copied in one go.
  zeb::GdiObjectGuard bitmap(CreateCompatibleBitmap(dc, width, kCaptionBarHeight));
  zeb::MemoryDcGuard memory(dc);
  if (!bitmap.Get() || !memory.Get()) {
    PaintBar(dc, bar, message, font);
    return;
  }
  zeb::SelectionGuard selected(memory.Get(), bitmap.Get());
  PaintBar(memory.Get(), RECT{0, 0, width, kCaptionBarHeight}, message, font);
  BitBlt(dc, bar.left, bar.top, width, kCaptionBarHeight, memory.Get(), 0, 0, SRCCOPY);
}

void ShowCaptionAndWait(HDC dc, const RECT& display, int seconds, const std::string& message,
                        CaptionFont& font, CaptionTimer& timer) {
  const bool hasMessage = !message.empty();
  if (hasMessage) PrepareCaptionFont(font, display, message);
  for (const CaptionStep& step : PlanCaption(seconds, hasMessage)) {
    if (timer.StopRequested()) return;
    if (step.sleepMs > 0) timer.Sleep(step.sleepMs);
    if (step.rise != CaptionStep::kNoDraw)
      DrawCaptionBar(dc, display, message, font.Get(), step.rise);
  }
}

}  // namespace lumi
