#pragma once
#include <cstdint>

namespace q {

bool CreateGraphics();
void ReleaseGraphics();
void ApplyTextureFilter();
void RecreateDevice();
void ApplyGraphicsSettings();
bool HasDevice();

// One drawn frame, used by the frame loop: clear to opaque black, begin the
// scene with the atlas bound, (draw handler), end, present.
void BeginFrameDraw();
void EndFrameDraw();
enum class PresentResult { Ok, DeviceLost };
PresentResult PresentFrame();

// The next PresentFrame reports a lost device, as after a display reset
// (which the SDL back end notices by itself).
void SimulateDeviceLoss();

// How many devices have been created so far; tells tests and tools whether a
// settings change rebuilt the device.
uint32_t DevicesCreated();

}  // namespace q
