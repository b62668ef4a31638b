#pragma once
#include "world/world.hpp"

namespace q {

// The world's share of resetting the play state before an attempt at a floor:
// PlayResult, ScrollRequest, replay cursor, turn counters, idle counter.
void ResetAttempt(World& w);
int PlayerFallSpeed(World& w);
void ApplyScroll(World& w);
void ShiftActorsForScroll(World& w);
// Requests the result sound (clear jingle of the character, or effect 2) and
// returns true when the floor has a result.
bool CheckPlayResult(World& w);
// Clear jingle of character 0..2 (of the first for any other number).
SoundEffect ClearJingle(int character);

}  // namespace q
