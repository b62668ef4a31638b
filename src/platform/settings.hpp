#pragma once
#include <cstdint>

namespace q {

struct GameSettings {
    int32_t windowed = 1;      // exactly 1: window; anything else: full screen
    int32_t colorDepth32 = 1;  // full screen only: nonzero 32-bit, 0 16-bit (RGB565)
    int32_t vsync = 1;
    int32_t linearFilter = 1;  // nonzero: linear filtering and the half-pixel offset
};

extern GameSettings settings;         // the live values
extern GameSettings appliedSettings;  // copy taken when the options screen opens
extern int32_t SeEnabled;
extern int32_t BgmEnabled;
extern int32_t ExtraSpawnsEnabled;

// Defaults, then config.dat from the working folder (exactly 16 bytes or ignored).
void LoadSettings(const char* path = "config.dat");

}  // namespace q
