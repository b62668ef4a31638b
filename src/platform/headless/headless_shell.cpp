// The headless back end's window, keys and message boxes: nothing is shown,
// keys are set by the caller, message boxes are recorded and printed.
#include <cstdio>

#include "platform/headless/headless.hpp"
#include "platform/headless/stand_ins.hpp"

namespace q::headless {

StandIns& Machine() {
    static StandIns machine;
    return machine;
}

bool CreateWindow() {
    StandIns& m = Machine();
    m.closeRequested = false;
    if (m.failNextWindow) {
        m.failNextWindow = false;
        return false;
    }
    m.windowOpen = true;
    return true;
}

void DestroyWindow() { Machine().windowOpen = false; }
bool HasWindow() { return Machine().windowOpen; }

bool DesktopBounds(int* x, int* y, int* width, int* height) {
    *x = 0;
    *y = 0;
    *width = Machine().desktopWidth;
    *height = Machine().desktopHeight;
    return true;
}

void SetDesktopSize(int width, int height) {
    Machine().desktopWidth = width;
    Machine().desktopHeight = height;
}

void FailMainWindow(bool fail) { Machine().failNextWindow = fail; }

void RequestClose() { Machine().closeRequested = true; }

void PumpEvents(void (*onClose)()) {
    StandIns& m = Machine();
    if (!m.closeRequested) return;
    m.closeRequested = false;
    if (m.windowOpen && onClose) onClose();
}

void ShowErrorBox(const char* text) {
    Machine().messageBoxes.emplace_back(text);
    std::fprintf(stderr, "error: %s\n", text);
}

const std::vector<std::string>& MessageBoxes() { return Machine().messageBoxes; }
void ClearMessageBoxes() { Machine().messageBoxes.clear(); }

void SetKey(int32_t key, bool down) {
    if (key < 0 || key >= kKeyCodes) return;
    Machine().keysDown[static_cast<std::size_t>(key)] = down;
}

void ReleaseAllKeys() { Machine().keysDown.fill(false); }

bool KeyDown(int32_t key) {
    if (key < 0 || key >= kKeyCodes) return false;
    return Machine().keysDown[static_cast<std::size_t>(key)];
}

}  // namespace q::headless
