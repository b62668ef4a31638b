#include "platform/window.hpp"

#include "platform/backend_table.hpp"
#include "platform/core/rect.hpp"

namespace q {

// Destroying the window ends the game loop: the next PumpWindowEvents
// reports it, once.
static bool quitPending = false;

bool CreateMainWindow() {
    quitPending = false;
    return Backend().createWindow();
}

void ShowMainWindow() { Backend().showWindow(); }

void DestroyMainWindow() {
    // Only a window that exists is destroyed, so a second Shutdown queues nothing.
    if (!HasMainWindow()) return;
    Backend().destroyWindow();
    quitPending = true;
}

bool HasMainWindow() { return Backend().hasWindow(); }

void CenterOnDesktop(int width, int height, int* x, int* y) {
    int left = 0, top = 0, desktopWidth = 0, desktopHeight = 0;
    // Without a desktop to ask, the headless back end's pretend one.
    if (!Backend().desktopBounds(&left, &top, &desktopWidth, &desktopHeight))
        headless::DesktopBounds(&left, &top, &desktopWidth, &desktopHeight);
    // Integer division truncates toward zero, also for a window larger than the desktop.
    *x = left + (desktopWidth - width) / 2;
    *y = top + (desktopHeight - height) / 2;
}

void FittingClientSize(int usableWidth, int usableHeight, int* width, int* height) {
    const int across = usableWidth / kScreenWidth, down = usableHeight / kScreenHeight;
    int scale = across < down ? across : down;
    if (scale < 1) scale = 1;
    *width = kScreenWidth * scale;
    *height = kScreenHeight * scale;
}

void EndWindowSystem() { Backend().endWindowSystem(); }

void ShowErrorBox(const char* text) { Backend().showErrorBox(text); }

bool PumpWindowEvents(void (*onClose)()) {
    Backend().pumpEvents(onClose);
    if (!quitPending) return false;
    quitPending = false;
    return true;
}

}  // namespace q
