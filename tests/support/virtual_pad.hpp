#pragma once
// A gamepad without hardware: SDL's virtual joystick, described as a game
// controller so SDL maps its buttons and axes one to one. What a test sets
// reaches the game at its next PollKeys, as a real pad's state would.
#include <gtest/gtest.h>

#include <SDL.h>

namespace q::test {

class VirtualPad {
public:
    VirtualPad() { Plug(); }
    ~VirtualPad() { Unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    void Plug() {
        if (joystick_) return;
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
        desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
        desc.name = "Quorrel test pad";
        const int device = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(device, 0) << SDL_GetError();
        // The test's own handle on the pad, to set its state through.
        joystick_ = SDL_JoystickOpen(device);
        ASSERT_NE(joystick_, nullptr) << SDL_GetError();
        id_ = SDL_JoystickInstanceID(joystick_);
    }

    // Pulls the pad out, whatever it holds.
    void Unplug() {
        if (!joystick_) return;
        for (int device = 0; device < SDL_NumJoysticks(); ++device) {
            if (SDL_JoystickGetDeviceInstanceID(device) == id_) {
                SDL_JoystickDetachVirtual(device);
                break;
            }
        }
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
    }

    void Button(SDL_GameControllerButton button, bool down) {
        ASSERT_NE(joystick_, nullptr);
        ASSERT_EQ(SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0), 0) << SDL_GetError();
    }
    void Axis(SDL_GameControllerAxis axis, int value) {
        ASSERT_NE(joystick_, nullptr);
        ASSERT_EQ(SDL_JoystickSetVirtualAxis(joystick_, axis, static_cast<Sint16>(value)), 0) << SDL_GetError();
    }
    void Stick(int x, int y) {
        Axis(SDL_CONTROLLER_AXIS_LEFTX, x);
        Axis(SDL_CONTROLLER_AXIS_LEFTY, y);
    }
    // Lets go of every button and centres the stick.
    void Release() {
        for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) Button(static_cast<SDL_GameControllerButton>(b), false);
        Stick(0, 0);
    }

private:
    SDL_Joystick* joystick_ = nullptr;
    SDL_JoystickID id_ = -1;
};

}  // namespace q::test
