#include "plantsaver/animation/GdiScene.h"

#include <mmsystem.h>

#include <utility>

namespace gulpleaf {

BackBuffer::BackBuffer(HDC screen, const SpriteSheets& sheets, int width, int height)
    : sheets_(sheets), width_(width), height_(height) {
  zeb::MemoryDcGuard dc(screen);
  bitmap_.Reset(dc ? CreateCompatibleBitmap(screen, width, height) : nullptr);
  if (!bitmap_ || !dc.Select(bitmap_.Get())) return;
  dc_ = std::move(dc);
  BitBlt(dc_.Get(), 0, 0, width, height, nullptr, 0, 0, BLACKNESS);
}

void BackBuffer::Blit(Sheet sheet, int x, int y, int w, int h, int sx, int sy, RasterOp op) {
  HDC source = sheets_.Dc(sheet);
  if (!source) return;
  DWORD rop = op == RasterOp::Copy ? SRCCOPY : op == RasterOp::And ? SRCAND : SRCINVERT;
  BitBlt(dc_.Get(), x, y, w, h, source, sx, sy, rop);
}

void BackBuffer::Blacken(int x, int y, int w, int h) {
  BitBlt(dc_.Get(), x, y, w, h, nullptr, 0, 0, BLACKNESS);
}

void BackBuffer::FillBlack(const Rect& r) {
  RECT rc{r.left, r.top, r.right, r.bottom};
  FillRect(dc_.Get(), &rc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void WaveSounds::Play(int waveId, bool looped) {
  DWORD flags = SND_RESOURCE | SND_ASYNC | (looped ? SND_LOOP : 0);
  PlaySoundA(MAKEINTRESOURCEA(waveId), module_, flags);
}

void WaveSounds::Stop() { PlaySoundA(nullptr, nullptr, 0); }

void FormCopier::Copy(int x, int y, int w, int h) {
  if (w <= 0 || h <= 0) return;
  BitBlt(form_, x, y, w, h, back_.Dc(), x, y, SRCCOPY);
}

std::uint32_t SystemFrameClock::Now() { return timeGetTime(); }

}  // namespace gulpleaf
