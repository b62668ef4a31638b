#pragma once
// The naive player, a small fixed program played on the real world: walk to
// the nearest block not yet moved, lift it from the side met first, carry it
// on the way the player faces until something stops it (the nearest wall
// ahead), put it down there, then walk and climb to the exit if it can get
// there without the action key; again with the next block, at most
// kNaiveBlocks times. It never turns with a block in its hands. A floor it
// clears is a walk, not a puzzle.
#include "floors/floor_source.hpp"

namespace q::floors {

constexpr int kNaiveBlocks = 4;

struct NaiveRun {
    bool cleared = false;
    int blocksCarried = 0;  // blocks lifted and put down on the way
};

// Played with chasers off.
NaiveRun PlayNaive(const Floor& floor);

}  // namespace q::floors
