#pragma once
#include <cstdint>

namespace q {

struct GameSettings {
    int32_t windowed = 1;      // exactly 1: window; anything else: full screen
    int32_t colorDepth32 = 1;  // full screen only: nonzero 32-bit, 0 16-bit (RGB565)
    int32_t vsync = 1;
    int32_t linearFilter = 1;  // nonzero: linear filtering, else point sampling
};

// The display settings the device is made with; the options screen changes
// them through ApplyDisplaySettings.
extern GameSettings settings;

// Defaults, then config.dat from the working folder (exactly 16 bytes or ignored).
void LoadSettings(const char* path = "config.dat");

}  // namespace q
