// Gamepads through SDL's game controller API, with the controller mappings
// SDL ships. Pads are polled, not followed through events: each poll drops
// the pads that went away and opens the ones that came, so a pad plugged in
// or pulled out mid-game is simply there or not at the next poll.
#include <SDL.h>

#include "platform/keyboard.hpp"
#include "platform/pads.hpp"

namespace q {

namespace {

// More pads than anyone has hands for; a pad beyond these is ignored.
constexpr int kMaxPads = 8;
// How far the left stick leans before it counts as a direction: about a
// quarter of its travel, past the drift of a worn stick.
constexpr int kStickDeadZone = 8000;

constexpr uint32_t Bit(int button) { return 1u << button; }

// What each pad button holds. The south face button confirms in menus (as Z
// does) and lifts in play; Start and the east button go back and pause (as
// Esc does); Back and either shoulder open the map (as Ctrl does).
struct PadButton {
    SDL_GameControllerButton button;
    uint32_t buttons;
};
constexpr PadButton kPadButtons[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, Bit(ButtonUp)},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, Bit(ButtonDown)},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, Bit(ButtonLeft)},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, Bit(ButtonRight)},
    {SDL_CONTROLLER_BUTTON_A, Bit(ButtonZ) | Bit(ButtonAction)},
    {SDL_CONTROLLER_BUTTON_B, Bit(ButtonEscape)},
    {SDL_CONTROLLER_BUTTON_START, Bit(ButtonEscape)},
    {SDL_CONTROLLER_BUTTON_BACK, Bit(ButtonCtrl)},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, Bit(ButtonCtrl)},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, Bit(ButtonCtrl)},
};

// The pads plugged into this machine, opened once for the whole process.
bool started = false;
SDL_GameController* pads[kMaxPads] = {};

bool InUse(SDL_JoystickID id) {
    for (SDL_GameController* pad : pads) {
        if (pad && SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == id) return true;
    }
    return false;
}

void DropDetachedPads() {
    for (SDL_GameController*& pad : pads) {
        if (pad && !SDL_GameControllerGetAttached(pad)) {
            SDL_GameControllerClose(pad);
            pad = nullptr;
        }
    }
}

void OpenNewPads() {
    const int count = SDL_NumJoysticks();
    for (int device = 0; device < count; ++device) {
        if (!SDL_IsGameController(device) || InUse(SDL_JoystickGetDeviceInstanceID(device))) continue;
        for (SDL_GameController*& pad : pads) {
            if (pad) continue;
            // A pad that will not open now is tried again at the next poll.
            pad = SDL_GameControllerOpen(device);
            break;
        }
    }
}

uint32_t ButtonsOf(SDL_GameController* pad) {
    uint32_t held = 0;
    for (const PadButton& b : kPadButtons) {
        if (SDL_GameControllerGetButton(pad, b.button)) held |= b.buttons;
    }
    const int x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    const int y = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    if (x < -kStickDeadZone) held |= Bit(ButtonLeft);
    if (x > kStickDeadZone) held |= Bit(ButtonRight);
    if (y < -kStickDeadZone) held |= Bit(ButtonUp);
    if (y > kStickDeadZone) held |= Bit(ButtonDown);
    return held;
}

}  // namespace

bool StartPads() {
    if (started) return true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return false;
    // The pads are read when the game polls its keys, so their events would
    // only pile up; SDL then leaves the updating to PadButtonsHeld.
    SDL_GameControllerEventState(SDL_IGNORE);
    SDL_JoystickEventState(SDL_IGNORE);
    started = true;
    return true;
}

void StopPads() {
    if (!started) return;
    for (SDL_GameController*& pad : pads) {
        if (pad) SDL_GameControllerClose(pad);
        pad = nullptr;
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started = false;
}

uint32_t PadButtonsHeld() {
    if (!started) return 0;
    SDL_GameControllerUpdate();
    DropDetachedPads();
    OpenNewPads();
    uint32_t held = 0;
    for (SDL_GameController* pad : pads) {
        if (pad) held |= ButtonsOf(pad);
    }
    return held;
}

int PadsInUse() {
    int n = 0;
    for (SDL_GameController* pad : pads) n += pad ? 1 : 0;
    return n;
}

}  // namespace q
