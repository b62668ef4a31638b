// The SDL back end's answer to "is this virtual key down": the keyboard state
// SDL keeps from the events drained before the frame.
#include <SDL.h>

#include "platform/keyboard.hpp"
#include "platform/shell_backends.hpp"

namespace q::sdl {

static bool ScancodeDown(SDL_Scancode code) {
    int count = 0;
    const Uint8* state = SDL_GetKeyboardState(&count);
    return code > SDL_SCANCODE_UNKNOWN && code < count && state[code] != 0;
}

// Letters and digits follow the layout, as virtual keys do: the key that
// types 'z' is VK 'Z' wherever it sits.
static bool LayoutKeyDown(SDL_Keycode key, SDL_Scancode usPosition) {
    SDL_Scancode code = SDL_GetScancodeFromKey(key);
    if (code == SDL_SCANCODE_UNKNOWN) code = usPosition;
    return ScancodeDown(code);
}

bool VirtualKeyDown(int32_t vk) {
    switch (vk) {
    case VK_RETURN: return ScancodeDown(SDL_SCANCODE_RETURN) || ScancodeDown(SDL_SCANCODE_KP_ENTER);
    case VK_SHIFT: return ScancodeDown(SDL_SCANCODE_LSHIFT) || ScancodeDown(SDL_SCANCODE_RSHIFT);
    case VK_CONTROL: return ScancodeDown(SDL_SCANCODE_LCTRL) || ScancodeDown(SDL_SCANCODE_RCTRL);
    case VK_ESCAPE: return ScancodeDown(SDL_SCANCODE_ESCAPE);
    case VK_SPACE: return ScancodeDown(SDL_SCANCODE_SPACE);
    case VK_LEFT: return ScancodeDown(SDL_SCANCODE_LEFT);
    case VK_UP: return ScancodeDown(SDL_SCANCODE_UP);
    case VK_RIGHT: return ScancodeDown(SDL_SCANCODE_RIGHT);
    case VK_DOWN: return ScancodeDown(SDL_SCANCODE_DOWN);
    default: break;
    }
    if (vk >= VK_A && vk <= VK_Z) {
        const int i = vk - VK_A;
        return LayoutKeyDown(SDLK_a + i, static_cast<SDL_Scancode>(SDL_SCANCODE_A + i));
    }
    if (vk >= '0' && vk <= '9') {
        // SDL lists 1..9 then 0.
        const int i = vk - '0';
        const auto usPosition = static_cast<SDL_Scancode>(i == 0 ? SDL_SCANCODE_0 : SDL_SCANCODE_1 + i - 1);
        return LayoutKeyDown(SDLK_0 + i, usPosition);
    }
    return false;
}

}  // namespace q::sdl
