#pragma once
// Drawing routines several transition effects share: copying a line of
// blocks, and a busy wait for the effects that pace themselves.
#include <windows.h>

namespace lumi {

// Copies size x size blocks along a line in block coordinates, from block
// (x0, y0) to block (x1, y1) inclusive. Block (x, y) comes from the source at
// (x * size, y * size) and goes to the target at (left + x * size,
// top + y * size). The minor coordinate steps at the end of each run of equal
// values. The end points are not clipped: a line may reach one block past
// the picture's last row or column. Returns the number of blocks copied.
int DrawBlockLine(HDC target, HDC source, int left, int top, int size, int x0, int y0, int x1,
                   int y1);

// The number of blocks DrawBlockLine copies between those blocks.
int BlockLineLength(int x0, int y0, int x1, int y1);

// Runs a reference loop long enough to take about the given time; nothing
// for zero or less. The loop's speed is measured once per process.
void CalibratedDelay(int milliseconds);

// The parts of the calibration that do not depend on the clock.
namespace delay {
inline constexpr int kCalibrationRuns = 50;
// Reference loops per millisecond after kCalibrationRuns loops took elapsedMs;
// a machine too fast for the tick counter to see counts as 1 ms.
double LoopsPerMillisecond(DWORD elapsedMs);
// Whole reference loops for a delay; zero or less means none.
int LoopsFor(int milliseconds, double loopsPerMillisecond);
// One run of the reference loop.
void ReferenceLoop();
}  // namespace delay

}  // namespace lumi
