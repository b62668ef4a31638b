#include "platform/window.hpp"

#include "platform/backend.hpp"
#include "platform/shell_backends.hpp"

namespace q {

// Destroying the window queues the quit message; the message loop takes it
// on its next pass. Its code (the quit's wParam) is always 0.
static bool quitQueued = false;

static bool Headless() { return ActiveBackend() == BackendKind::Headless; }

bool CreateMainWindow() {
    quitQueued = false;
    return Headless() ? headless::CreateWindow() : sdl::CreateWindow();
}

void ShowMainWindow() {
    if (!Headless()) sdl::ShowWindow();
}

void DestroyMainWindow() {
    // Only a window that exists is destroyed, so a second Shutdown queues nothing.
    if (!HasMainWindow()) return;
    if (Headless()) {
        headless::DestroyWindow();
    } else {
        sdl::DestroyWindow();
    }
    quitQueued = true;
}

bool HasMainWindow() { return Headless() ? headless::HasWindow() : sdl::HasWindow(); }

void CenterOnDesktop(int width, int height, int* x, int* y) {
    int left = 0, top = 0, desktopWidth = 0, desktopHeight = 0;
    if (Headless() || !sdl::DesktopBounds(&left, &top, &desktopWidth, &desktopHeight)) {
        left = top = 0;
        headless::DesktopSize(&desktopWidth, &desktopHeight);
    }
    // Integer division truncates toward zero, also for a window larger than the desktop.
    *x = left + (desktopWidth - width) / 2;
    *y = top + (desktopHeight - height) / 2;
}

void EndWindowSystem() {
    if (!Headless()) sdl::EndWindowSystem();
}

void ShowErrorBox(const char* text) {
    if (Headless()) {
        headless::ShowErrorBox(text);
    } else {
        sdl::ShowErrorBox(text);
    }
}

bool PumpWindowEvents(void (*onClose)()) {
    if (Headless()) {
        headless::PumpEvents(onClose);
    } else {
        sdl::PumpEvents(onClose);
    }
    if (!quitQueued) return false;
    quitQueued = false;
    return true;
}

}  // namespace q
