#pragma once
// Gamepads, as another pair of hands on the nine buttons: PollKeys counts a
// button held while a key or any attached pad holds it.
#include <cstdint>

namespace q {

// Starts watching for pads (SDL's game controller support); false when that
// cannot start, and the game is then played from the keyboard alone. The SDL
// window starts it; the headless back end never does, so its runs depend on
// no hardware.
bool StartPads();
// Lets go of every pad and stops watching.
void StopPads();
// Picks up pads plugged in and drops pads pulled out since the last call,
// then returns the buttons any pad holds now: bit b for button b.
uint32_t PadButtonsHeld();
// How many pads are in use after the last PadButtonsHeld.
int PadsInUse();

}  // namespace q
