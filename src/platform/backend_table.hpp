#pragma once
// Internal to the platform layer: everything that differs between the two
// back ends, as one table of operations. SelectBackend picks the table once;
// the platform's operations call through it and never ask which one it is.
#include <cstdint>
#include <vector>

#include "platform/core/wave.hpp"
#include "platform/headless/stand_ins.hpp"

namespace q {

struct BackendTable {
    // The main window, its events and the keyboard.
    bool (*createWindow)();
    void (*destroyWindow)();
    bool (*hasWindow)();
    void (*showWindow)();
    void (*endWindowSystem)();
    // The desktop the window is centred on; false when it cannot be told.
    bool (*desktopBounds)(int* x, int* y, int* width, int* height);
    void (*showErrorBox)(const char* text);
    // Drains waiting events; a close request calls onClose while the window exists.
    void (*pumpEvents)(void (*onClose)());
    bool (*keyDown)(int32_t key);

    // The renderer the graphics device draws with: into the window, or into
    // an offscreen picture kept after each present.
    bool (*createRenderer)();

    // The sound device and its voices, one voice per sound slot.
    bool (*openAudio)(int* rate);
    void (*startAudio)();
    // Closes the device and silences every voice; safe when closed.
    void (*closeAudio)();
    // The device has gone away (unplugged, taken over) or was never opened.
    bool (*audioLost)();
    // The samples a voice plays for this wave at the device's rate; false
    // when it cannot be played.
    bool (*prepareWave)(const WaveData& wave, int rate, std::vector<int16_t>* samples);
    // Whether prepareWave would succeed, told without doing the work.
    bool (*canPrepareWave)(const WaveData& wave, int rate);
    void (*startVoice)(int slot, const std::vector<int16_t>& samples, bool looping);
    void (*stopVoice)(int slot);
    bool (*voicePlaying)(int slot);
    // An effect started by PlaySe, for the log of played sounds.
    void (*effectPlayed)(int effect);

    // Whether a frame waits until its 17 ms have passed.
    bool waitsForFrames;
};

// The table of the selected back end.
const BackendTable& Backend();

namespace sdl {
bool CreateWindow();
void DestroyWindow();
bool HasWindow();
void ShowWindow();
void EndWindowSystem();
bool DesktopBounds(int* x, int* y, int* width, int* height);
void ShowErrorBox(const char* text);
void PumpEvents(void (*onClose)());
bool KeyDown(int32_t key);
// Enter reads as up until both Enter keys have been let go.
void IgnoreEnterUntilReleased();
// The SDL scancodes that make a key down (either Ctrl, either Shift, both
// Enter keys, the letter keys by layout); returns how many, 0 for none.
constexpr int kMaxScancodesPerKey = 2;
int ScancodesForKey(int32_t key, int out[kMaxScancodesPerKey]);
bool CreateRenderer();
}  // namespace sdl

namespace headless {
// The offscreen renderer, made by the graphics device.
bool CreateRenderer();
}  // namespace headless

}  // namespace q
