#pragma once
// Searches a floor for a way to its exit, forking copies of the world: from
// every point where the player takes a command it tries the moves a player
// would make (a tile's walk either way, a tile's climb, lifting or putting
// down, waiting for the floor to move), never visiting a world twice. The way
// found uses the fewest lifts and put-downs, then the fewest steps.
#include <cstdint>
#include <vector>

#include "floors/floor_source.hpp"

namespace q::floors {

struct SolveOptions {
    bool chasers = true;      // ExtraSpawnsEnabled
    bool allowAction = true;  // false: the action key taken away
    int64_t maxStates = 300000;
};

struct Solution {
    bool found = false;
    bool exhausted = false;  // every reachable world was searched
    std::vector<uint8_t> demo;
    int lifts = 0;
    int putDowns = 0;
    int steps = 0;
    int64_t statesSearched = 0;  // worlds expanded before the way was found
    int blocksMoved = 0;         // distinct blocks the way lifts
    int blockCount = 0;          // blocks on the floor at the start
};

Solution Solve(const Floor& floor, const SolveOptions& options);

// The blocks (as indices in the active list at the start) that a demo lifts,
// replayed with chasers on or off.
int CountBlocksLifted(const Floor& floor, const std::vector<uint8_t>& demo, bool chasers);

}  // namespace q::floors
