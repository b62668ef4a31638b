#pragma once

namespace q {

// The one main window, 640 x 480 client area, titled "Quorrel", centred,
// not resizable.
// The window is created hidden, so a failed start-up never shows it.
bool CreateMainWindow();
void ShowMainWindow();
void DestroyMainWindow();  // queues the quit message when there was a window
bool HasMainWindow();
// Position that centres a width x height area on the desktop; each offset is
// (desktop size - size) / 2, truncated toward zero.
void CenterOnDesktop(int width, int height, int* x, int* y);
// Closes the window system once the message loop has ended.
void EndWindowSystem();

// Message box with caption "error", also printed to stderr.
void ShowErrorBox(const char* text);

// Drains waiting window events. A close request calls onClose (once per
// request). Returns true when the quit message has been taken.
bool PumpWindowEvents(void (*onClose)());

}  // namespace q
