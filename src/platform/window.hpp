#pragma once

namespace q {

// The one main window, titled "Quorrel", centred, resizable; its client area
// starts at FittingClientSize of the desktop's usable area.
// The window is created hidden, so a failed start-up never shows it.
bool CreateMainWindow();
void ShowMainWindow();
void DestroyMainWindow();  // when there was a window, the loop is told to end
bool HasMainWindow();
// Position that centres a width x height area on the desktop; each offset is
// (desktop size - size) / 2, truncated toward zero.
void CenterOnDesktop(int width, int height, int* x, int* y);
// The largest whole multiple of 640 x 480 that fits a usable area of
// usableWidth x usableHeight, and 640 x 480 when nothing larger fits.
void FittingClientSize(int usableWidth, int usableHeight, int* width, int* height);
// Closes the window system once the game loop has ended.
void EndWindowSystem();

// Message box with caption "error", also printed to stderr.
void ShowErrorBox(const char* text);

// Drains waiting window events. A close request calls onClose (once per
// request); so does an Alt+Enter switch between window and full screen that
// leaves no device to draw with. Returns true, once, after the window was
// destroyed: the loop ends.
bool PumpWindowEvents(void (*onClose)());

}  // namespace q
