#pragma once

namespace q {

constexpr int kShutterBands = 10;

// The ten-band shutter drawn over the play field while one floor gives way
// to the next.
void OpenShutterNow();
void CloseShutterNow();
// Every band grows (positive) or shrinks by `step` pixels, within 0..64.
void StepShutter(int step);
void DrawShutter();
bool ShutterOpen();
bool ShutterClosed();

}  // namespace q
