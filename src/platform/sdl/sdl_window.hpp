#pragma once
// Internal to the platform layer: the SDL window behind the main window, for
// the graphics device. nullptr when there is none (or in the headless back end).
struct SDL_Window;

namespace q {
SDL_Window* MainSdlWindow();
// The client size a window gets when it is made or leaves full screen: the
// largest whole multiple of 640 x 480 that fits the desktop's usable area.
void WindowedClientSize(int* width, int* height);
}  // namespace q
