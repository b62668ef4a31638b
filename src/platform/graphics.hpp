#pragma once
#include <cstdint>

#include "platform/core/settings.hpp"

namespace q {

// Starts decoding the atlas picture of the loaded archive in the background,
// so that CreateGraphics finds it ready; harmless to leave out.
void BeginAtlasDecode();
bool CreateGraphics();
void ReleaseGraphics();
void ApplyTextureFilter();
// Rebuilds the device from scratch (window placed anew when windowed); false
// when the new one could not be made, and then there is no device. Without a
// device there is nothing to rebuild.
bool RecreateDevice();
// Makes `wanted` the display settings: a new filter is set on the same
// device, any other display change rebuilds it. false when a rebuild failed.
bool ApplyDisplaySettings(const GameSettings& wanted);
bool HasDevice();

// One drawn frame, used by the frame loop: clear to opaque black, begin the
// scene with the atlas bound, (draw handler), end, present.
void BeginFrameDraw();
void EndFrameDraw();
enum class PresentResult { Ok, DeviceLost };
PresentResult PresentFrame();


}  // namespace q
