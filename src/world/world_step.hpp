#pragma once
#include "world/world.hpp"

namespace q {

// One logic step of a floor in play, the same for the game, the simulator,
// the floor tools, the tests and the benchmarks:
//   a silent draw pass (the player's exit test and the figure's pose live in
//   draw handlers), ScrollRequest cleared, UpdateActors, ApplyScroll,
//   ShiftActorsForScroll, CheckPlayResult.
// `command` is the player's command for this step in normal play (the world
// reads it only where the player asks for one); in demo replay the demo
// bytes are read instead. Sound requests start empty; the ones made during
// the step stay in soundRequests for the caller. Returns true when the floor
// has a result after the step.
bool StepWorld(World& w, int32_t command = CMD_NONE);

// The draw pass with nothing reaching the screen, for the side effects a drawn
// frame has on the world: only the handlers that have any are called, in draw
// order.
void RunSilentDrawPass(World& w);

}  // namespace q
