#pragma once
#include <cstdint>
#include <vector>

namespace q {

// Which back end serves the platform operations, chosen before start-up. The
// SDL one is the game's; the headless one has no window, no audio device and
// no waiting: keys are set by the caller, message boxes printed, frames drawn
// offscreen and sounds logged.
enum class BackendKind { Sdl, Headless };
void SelectBackend(BackendKind kind);
BackendKind ActiveBackend();

// What a program driving the headless back end does with it.
namespace headless {
void SetKey(int32_t key, bool down);
void ReleaseAllKeys();
// Effects played (PlaySe) since the last call, in play order.
std::vector<int> TakePlayedSounds();
// Writes the last presented frame as PNG; false when nothing was drawn.
bool WriteFramePng(const char* path);
// The last presented frame: 640 x 480 ARGB pixels; false when nothing was drawn.
bool ReadFramePixels(std::vector<uint32_t>& out);
}  // namespace headless

}  // namespace q
