// The SDL back end's answer to "is this key down": the keyboard state
// SDL keeps from the events drained before the frame.
#include <SDL.h>

#include "platform/backend_table.hpp"
#include "platform/keyboard.hpp"

namespace q::sdl {

// Letters and digits follow the keyboard layout: the key that types 'z' is
// KEY_Z wherever it sits.
static int LayoutKey(SDL_Keycode key, SDL_Scancode usPosition) {
    const SDL_Scancode code = SDL_GetScancodeFromKey(key);
    return code == SDL_SCANCODE_UNKNOWN ? usPosition : code;
}

int ScancodesForKey(int32_t vk, int out[kMaxScancodesPerKey]) {
    switch (vk) {
    case KEY_ENTER: out[0] = SDL_SCANCODE_RETURN; out[1] = SDL_SCANCODE_KP_ENTER; return 2;
    case KEY_SHIFT: out[0] = SDL_SCANCODE_LSHIFT; out[1] = SDL_SCANCODE_RSHIFT; return 2;
    case KEY_CTRL: out[0] = SDL_SCANCODE_LCTRL; out[1] = SDL_SCANCODE_RCTRL; return 2;
    case KEY_ESCAPE: out[0] = SDL_SCANCODE_ESCAPE; return 1;
    case KEY_SPACE: out[0] = SDL_SCANCODE_SPACE; return 1;
    case KEY_LEFT: out[0] = SDL_SCANCODE_LEFT; return 1;
    case KEY_UP: out[0] = SDL_SCANCODE_UP; return 1;
    case KEY_RIGHT: out[0] = SDL_SCANCODE_RIGHT; return 1;
    case KEY_DOWN: out[0] = SDL_SCANCODE_DOWN; return 1;
    default: break;
    }
    if (vk >= KEY_A && vk <= KEY_Z) {
        const int i = vk - KEY_A;
        out[0] = LayoutKey(SDLK_a + i, static_cast<SDL_Scancode>(SDL_SCANCODE_A + i));
        return 1;
    }
    if (vk >= '0' && vk <= '9') {
        // SDL lists 1..9 then 0.
        const int i = vk - '0';
        out[0] = LayoutKey(SDLK_0 + i, static_cast<SDL_Scancode>(i == 0 ? SDL_SCANCODE_0 : SDL_SCANCODE_1 + i - 1));
        return 1;
    }
    return 0;
}

// The one keyboard's held Enter, remembered across frames from the window switch to its release.
static bool enterIgnored = false;

void IgnoreEnterUntilReleased() { enterIgnored = true; }

static bool AnyScancodeDown(int32_t vk) {
    int codes[kMaxScancodesPerKey];
    const int n = ScancodesForKey(vk, codes);
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    for (int i = 0; i < n; ++i) {
        if (codes[i] > SDL_SCANCODE_UNKNOWN && codes[i] < count && state[codes[i]] != 0) return true;
    }
    return false;
}

bool KeyDown(int32_t vk) {
    const bool down = AnyScancodeDown(vk);
    if (vk != KEY_ENTER || !enterIgnored) return down;
    // Held since Alt+Enter, even once Alt is let go first.
    if (!down) enterIgnored = false;
    return false;
}

}  // namespace q::sdl
