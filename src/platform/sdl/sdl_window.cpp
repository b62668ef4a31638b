// The SDL back end's main window, its event queue and its message boxes.
#include <SDL.h>

#include <cstdio>

#include "platform/backend_table.hpp"
#include "platform/graphics.hpp"
#include "platform/pads.hpp"
#include "platform/sdl/sdl_window.hpp"
#include "platform/window.hpp"

namespace q {

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 480;
constexpr char kWindowTitle[] = "Quorrel";
constexpr char kWindowClass[] = "QUORREL";
constexpr char kErrorCaption[] = "error";

// The game has one window for the life of the process.
static SDL_Window* mainWindow = nullptr;
static bool videoStarted = false;

SDL_Window* MainSdlWindow() { return mainWindow; }

void WindowedClientSize(int* width, int* height) {
    SDL_Rect usable{0, 0, kClientWidth, kClientHeight};
#ifndef __EMSCRIPTEN__
    if (videoStarted && SDL_GetDisplayUsableBounds(0, &usable) != 0 && SDL_GetDisplayBounds(0, &usable) != 0)
        usable = SDL_Rect{0, 0, kClientWidth, kClientHeight};
#endif
    FittingClientSize(usable.w, usable.h, width, height);
}

// Alt+Enter: the display row of the options follows, since it is the same
// setting. A switch that leaves no device is a close request.
static void SwitchWindowAndFullScreen(void (*onClose)()) {
    GameSettings wanted = settings;
    wanted.windowed = settings.windowed == 1 ? 0 : 1;
    if (ApplyDisplaySettings(wanted)) return;
    std::fprintf(stderr, "Alt+Enter: %s\n", SDL_GetError());
    wanted.windowed = wanted.windowed == 1 ? 0 : 1;
    if (!ApplyDisplaySettings(wanted) && onClose) onClose();
}

namespace sdl {

bool CreateWindow() {
    if (mainWindow) return true;
    if (!videoStarted) {
        // SDL reads the window class from these variables when video starts.
        SDL_setenv("SDL_VIDEO_X11_WMCLASS", kWindowClass, 1);
        SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", kWindowClass, 1);
        SDL_SetHint(SDL_HINT_APP_NAME, kWindowTitle);
#ifdef _WIN32
        // Sizes in real pixels on a scaled desktop, so Windows does not
        // stretch (and blur) the whole-number picture.
        SDL_SetHint(SDL_HINT_WINDOWS_DPI_AWARENESS, "permonitorv2");
        // The icons of the program's resources, large and small.
        SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON, "107");
        SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON_SMALL, "108");
#endif
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            std::fprintf(stderr, "SDL video: %s\n", SDL_GetError());
            return false;
        }
        videoStarted = true;
        // Without pad support the game is played from the keyboard alone. The
        // page's SDL is built without joysticks, so the browser never asks.
#ifndef __EMSCRIPTEN__
        if (!StartPads()) std::fprintf(stderr, "SDL game controllers: %s\n", SDL_GetError());
#endif
    }
    int width = 0, height = 0, x = 0, y = 0;
    WindowedClientSize(&width, &height);
    CenterOnDesktop(width, height, &x, &y);
    // Hidden until start-up has succeeded. High-DPI: the renderer draws in
    // the display's own pixels, so the picture is not blurred by scaling.
#ifdef __EMSCRIPTEN__
    // In a page the canvas keeps the size the page gives it.
    constexpr Uint32 kSizing = 0;
#else
    constexpr Uint32 kSizing = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
#endif
    mainWindow = SDL_CreateWindow(kWindowTitle, x, y, width, height, SDL_WINDOW_HIDDEN | kSizing);
    if (!mainWindow) {
        std::fprintf(stderr, "SDL window: %s\n", SDL_GetError());
        return false;
    }
    SDL_SetWindowMinimumSize(mainWindow, kClientWidth, kClientHeight);
    return true;
}

void ShowWindow() {
    if (mainWindow) SDL_ShowWindow(mainWindow);
}

void DestroyWindow() {
    if (!mainWindow) return;
    SDL_DestroyWindow(mainWindow);
    mainWindow = nullptr;
}

bool HasWindow() { return mainWindow != nullptr; }

bool DesktopBounds(int* x, int* y, int* width, int* height) {
    if (!videoStarted) return false;
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(0, &bounds) != 0) return false;
    *x = bounds.x;
    *y = bounds.y;
    *width = bounds.w;
    *height = bounds.h;
    return true;
}

void EndWindowSystem() {
    DestroyWindow();
    if (!videoStarted) return;
    StopPads();
    SDL_Quit();
    videoStarted = false;
}

void ShowErrorBox(const char* text) {
    // Printed first: the box blocks until it is dismissed, and there may be no
    // display to show it on at all.
    std::fprintf(stderr, "%s: %s\n", kErrorCaption, text);
    std::fflush(stderr);
#ifdef _WIN32
    // Windows shows a box even with no screen to show it on (SDL's dummy
    // video driver), and it would wait there for a click nobody can give.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver) driver = SDL_getenv("SDL_VIDEODRIVER");
    if (driver && SDL_strcmp(driver, "dummy") == 0) return;
#endif
    SDL_Window* owner = nullptr;
    if (mainWindow && (SDL_GetWindowFlags(mainWindow) & SDL_WINDOW_SHOWN)) owner = mainWindow;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, kErrorCaption, text, owner);
}

void PumpEvents(void (*onClose)()) {
    if (!videoStarted) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        const bool closeRequest =
            event.type == SDL_QUIT ||
            (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE);
        // Closing the last window brings both a window close and a quit event;
        // the first one ends the game and destroys the window, so the second
        // finds no window and is dropped.
        if (closeRequest && mainWindow && onClose) onClose();
        // A page goes full screen by the browser's own means.
#ifdef __EMSCRIPTEN__
        constexpr bool kAltEnterSwitches = false;
#else
        constexpr bool kAltEnterSwitches = true;
#endif
        const bool altEnter = kAltEnterSwitches && event.type == SDL_KEYDOWN && !event.key.repeat &&
                              (event.key.keysym.sym == SDLK_RETURN || event.key.keysym.sym == SDLK_KP_ENTER) &&
                              (event.key.keysym.mod & KMOD_ALT);
        if (altEnter && mainWindow && HasDevice()) {
            // The Enter of Alt+Enter is not a confirm for the menus.
            IgnoreEnterUntilReleased();
            SwitchWindowAndFullScreen(onClose);
        }
    }
}

}  // namespace sdl
}  // namespace q
