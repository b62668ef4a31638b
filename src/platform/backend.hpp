#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace q {

// Which back end serves the platform operations. The SDL one is the game's;
// the headless one has no window, no audio device and no waiting: keys are
// injected, message boxes printed, frames rasterised offscreen.
enum class BackendKind { Sdl, Headless };
void SelectBackend(BackendKind kind);
BackendKind ActiveBackend();

namespace headless {
void SetKey(int32_t virtualKey, bool down);
void ReleaseAllKeys();
// Text of every message box shown so far.
const std::vector<std::string>& MessageBoxes();
void ClearMessageBoxes();
// The next PumpWindowEvents sees a close request (the window's close box).
void RequestClose();
// Make the next CreateMainWindow fail.
void FailMainWindow(bool fail);
// Size of the pretend desktop the window is centred on (1920 x 1080 at first).
void SetDesktopSize(int width, int height);
// Effects played (PlaySe) since the last call, in play order.
std::vector<int> TakePlayedSounds();
// Writes the last presented frame as PNG; false when nothing was drawn.
bool WriteFramePng(const char* path);
// Read back the last presented frame: 640 x 480 ARGB pixels.
bool ReadFramePixels(std::vector<uint32_t>& out);
// Make the next audio-device open fail (to test "sound error").
void FailAudioDevice(bool fail);
}  // namespace headless

}  // namespace q
