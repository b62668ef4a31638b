#pragma once
// Internal to the platform layer: the two back ends' halves of the shell
// operations (window, keys, message boxes). The public operations in
// window.hpp and keyboard.hpp pick one of these by ActiveBackend().
#include <cstdint>

namespace q::sdl {
bool CreateWindow();
void DestroyWindow();
bool HasWindow();
void ShowWindow();
void EndWindowSystem();
// The desktop of the first display; false without a video system.
bool DesktopBounds(int* x, int* y, int* width, int* height);
void ShowErrorBox(const char* text);
// Drains SDL's queue; calls onClose for a close request while the window exists.
void PumpEvents(void (*onClose)());
bool VirtualKeyDown(int32_t virtualKey);
// The SDL scancodes that make a virtual key down (either Ctrl, either Shift,
// both Enter keys, the letter keys by layout); returns how many, 0 for none.
constexpr int kMaxScancodesPerKey = 2;
int ScancodesForVirtualKey(int32_t virtualKey, int out[kMaxScancodesPerKey]);
}  // namespace q::sdl

namespace q::headless {
bool CreateWindow();
void DestroyWindow();
bool HasWindow();
void DesktopSize(int* width, int* height);
void ShowErrorBox(const char* text);
// Delivers a pending close request (see RequestClose).
void PumpEvents(void (*onClose)());
bool VirtualKeyDown(int32_t virtualKey);
}  // namespace q::headless
