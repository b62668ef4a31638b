#pragma once

namespace q {

// The one main window, 640 x 480 client area, titled "Quorrel", centred,
// not resizable.
bool CreateMainWindow();
void DestroyMainWindow();  // queues the quit message
bool HasMainWindow();
void CenterOnDesktop(int width, int height, int* x, int* y);

// Message box with caption "error", also printed to stderr.
void ShowErrorBox(const char* text);

// Drains waiting window events. A close request calls onClose (once per
// request). Returns true when the quit message has been taken.
bool PumpWindowEvents(void (*onClose)());

}  // namespace q
