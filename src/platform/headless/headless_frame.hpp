#pragma once
// Internal to the platform layer: the headless back end's copy of the last
// presented frame, read by WriteFramePng and ReadFramePixels.
#include <cstdint>

namespace q::headless {

// Copies a 640 x 480 ARGB8888 picture, rows `pitch` bytes apart.
void StoreFrame(const uint8_t* pixels, int pitch);
void ForgetFrame();

}  // namespace q::headless
