#pragma once
#include "world/world.hpp"

namespace q {

// One logic step of a floor in play, the same for the game, the simulator,
// the floor tools, the tests and the benchmarks:
//   ApplyFrameRules (the player's exit test, the figures' pose), ScrollRequest
//   cleared, UpdateActors, ApplyScroll, ShiftActorsForScroll, CheckPlayResult.
// `command` is the player's command for this step in normal play (the world
// reads it only where the player asks for one); in demo replay the demo
// bytes are read instead. Sound requests start empty; the ones made during
// the step stay in soundRequests for the caller. Returns true when the floor
// has a result after the step.
bool StepWorld(World& w, int32_t command = CMD_NONE);

}  // namespace q
