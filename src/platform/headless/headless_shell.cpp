// The headless back end's window, keys and message boxes: nothing is shown,
// keys are set by the caller, message boxes are recorded and printed.
#include <array>
#include <cstdio>

#include "platform/backend.hpp"
#include "platform/backend_table.hpp"
#include "platform/test_hooks.hpp"

namespace q::headless {

constexpr int kKeyCodes = 256;

static bool windowOpen = false;
static bool failNextWindow = false;
static bool closeRequested = false;
static int desktopWidth = 1920;
static int desktopHeight = 1080;
static std::array<bool, kKeyCodes> keysDown{};
static std::vector<std::string> messageBoxes;

bool CreateWindow() {
    closeRequested = false;
    if (failNextWindow) {
        failNextWindow = false;
        return false;
    }
    windowOpen = true;
    return true;
}

void DestroyWindow() { windowOpen = false; }
bool HasWindow() { return windowOpen; }

bool DesktopBounds(int* x, int* y, int* width, int* height) {
    *x = 0;
    *y = 0;
    *width = desktopWidth;
    *height = desktopHeight;
    return true;
}

void SetDesktopSize(int width, int height) {
    desktopWidth = width;
    desktopHeight = height;
}

void FailMainWindow(bool fail) { failNextWindow = fail; }

void RequestClose() { closeRequested = true; }

void PumpEvents(void (*onClose)()) {
    if (!closeRequested) return;
    closeRequested = false;
    if (windowOpen && onClose) onClose();
}

void ShowErrorBox(const char* text) {
    messageBoxes.emplace_back(text);
    std::fprintf(stderr, "error: %s\n", text);
}

const std::vector<std::string>& MessageBoxes() { return messageBoxes; }
void ClearMessageBoxes() { messageBoxes.clear(); }

void SetKey(int32_t key, bool down) {
    if (key < 0 || key >= kKeyCodes) return;
    keysDown[static_cast<std::size_t>(key)] = down;
}

void ReleaseAllKeys() { keysDown.fill(false); }

bool KeyDown(int32_t key) {
    if (key < 0 || key >= kKeyCodes) return false;
    return keysDown[static_cast<std::size_t>(key)];
}

}  // namespace q::headless
