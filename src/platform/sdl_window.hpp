#pragma once
// Internal to the platform layer: the SDL window behind the main window, for
// the graphics device. nullptr when there is none (or in the headless back end).
struct SDL_Window;

namespace q {
SDL_Window* MainSdlWindow();
}  // namespace q
