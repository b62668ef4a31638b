// Placeholder definitions until the shell's platform services land (keys,
// settings, clock, window, back end selection); delete each as it is written.
#include "platform/backend.hpp"
#include "platform/clock.hpp"
#include "platform/keyboard.hpp"
#include "platform/settings.hpp"
#include "platform/window.hpp"

namespace q {
KeyBinding keyBindings[kButtonCount];
int32_t actionKeyChoice = 26;
int32_t KeyChoiceVirtualKey(int) { return VK_SPACE; }
void InitKeyBindings() {}
void PollKeys() {}
int IsPressed(int) { return 0; }
bool IsHeld(int) { return false; }
bool VirtualKeyDown(int32_t) { return false; }

GameSettings settings;
GameSettings appliedSettings;
int32_t SeEnabled = 1, BgmEnabled = 1, ExtraSpawnsEnabled = 1;
void LoadSettings(const char*) {}

uint32_t TimeGetTime() { return 0; }
void BeginTimerPeriod() {}
void EndTimerPeriod() {}
void WaitForFrameEnd(uint32_t) {}
void SetFrameClock(const FrameClock&) {}
void ResetFrameClock() {}

bool CreateMainWindow() { return false; }
void DestroyMainWindow() {}
bool HasMainWindow() { return false; }
void CenterOnDesktop(int, int, int* x, int* y) { *x = *y = 0; }
void ShowErrorBox(const char*) {}
bool PumpWindowEvents(void (*)()) { return true; }

static BackendKind active = BackendKind::Sdl;
void SelectBackend(BackendKind k) { active = k; }
BackendKind ActiveBackend() { return active; }
namespace headless {
void SetKey(int32_t, bool) {}
void ReleaseAllKeys() {}
static std::vector<std::string> boxes;
const std::vector<std::string>& MessageBoxes() { return boxes; }
void ClearMessageBoxes() {}
}  // namespace headless
}  // namespace q

#include "platform/sdl_window.hpp"
namespace q {
SDL_Window* MainSdlWindow() { return nullptr; }
}  // namespace q
