#pragma once
// How deep a floor is: every world the player can reach with chasers off,
// which of them can still lead to the exit, and where the floor's best way
// passes a choice that cannot be undone.
#include <cstdint>
#include <vector>

#include "floors/floor_source.hpp"

namespace q::floors {

struct Depth {
    bool complete = false;    // every reachable world was explored within the budget
    int64_t worlds = 0;       // distinct worlds where the player takes a command
    // Of those, the settled ones: no block falling, hanging, or being lifted
    // or put down. A carried block moves only with the player, and creatures
    // are not asked (a builder never rests), so both count as settled.
    int64_t settled = 0;
    int64_t settledDead = 0;  // settled worlds from which the exit can no longer be reached
    int wayPoints = 0;        // worlds of the way met among the explored ones
    int commitments = 0;      // of those, the ones where some move leads into a dead end
};

// Explores the floor breadth first with every command from every world (as
// the solver plays them) up to maxWorlds worlds. `way` is a demo that clears
// the floor with chasers off (the solver's); its worlds are found by playing
// it. The dead-end figures are only meaningful when the space is complete.
Depth MeasureDepth(const Floor& floor, const std::vector<uint8_t>& way, int64_t maxWorlds);

}  // namespace q::floors
