#pragma once
// What a program driving the headless back end does with it, and what tests
// make of its pretend machine: no window, no audio device and no waiting;
// keys are set by the caller, message boxes printed, frames drawn offscreen
// and sounds logged.
#include <cstdint>
#include <string>
#include <vector>

namespace q::headless {

void SetKey(int32_t key, bool down);
void ReleaseAllKeys();
// Effects played (PlaySe) since the last call, in play order.
std::vector<int> TakePlayedSounds();
// Writes the last presented frame as PNG; false when nothing was drawn.
bool WriteFramePng(const char* path);
// The last presented frame: 640 x 480 ARGB pixels; false when nothing was drawn.
bool ReadFramePixels(std::vector<uint32_t>& out);

// The next PumpWindowEvents sees a close request (the window's close box).
void RequestClose();
// Makes the next CreateMainWindow fail.
void FailMainWindow(bool fail);
// Size of the pretend desktop the window is centred on (1920 x 1080 at first).
void SetDesktopSize(int width, int height);
// Text of every message box shown so far.
const std::vector<std::string>& MessageBoxes();
void ClearMessageBoxes();

}  // namespace q::headless
