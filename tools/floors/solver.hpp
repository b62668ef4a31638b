#pragma once
// Searches a floor for a way to its exit, forking copies of the world. From
// every world it tries each command a player can give on the step the player
// next takes one (nothing, right, left, up, down, action), plays on to the
// following such step, and never searches a world twice: two worlds are the
// same only when everything that changes what happens next is the same. The
// way found uses the fewest lifts and put-downs, then the fewest steps.
#include <cstdint>
#include <functional>
#include <vector>

#include "floors/floor_source.hpp"
#include "floors/ideas.hpp"

namespace q::floors {

struct SolveOptions {
    bool chasers = true;      // ExtraSpawnsEnabled
    bool allowAction = true;  // false: the action key taken away
    IdeaSet forbid = 0;       // tool ideas the search may not use
    int64_t maxStates = 3000000;  // worlds expanded before the search gives up
    // Ways longer than this are not searched: creatures keep a floor changing
    // for ever. A search that cut one short has not searched every world.
    int maxSteps = 6000;
    // Creatures searched world by world, not filed by tile: far slower, but a
    // search that ends is a proof, as a ban needs.
    bool exactCreatures = false;
    // An index into the floor's stages: that stage alone is searched, from
    // where the demo stands at its step to its goal. -1: the whole floor.
    int stage = -1;
    // Told the worlds expanded so far, every few thousand, so a caller can
    // show how far the search is towards maxStates. Empty: nobody asks.
    std::function<void(int64_t searched)> progress;
};

struct Solution {
    bool found = false;
    bool exhausted = false;  // every reachable world was searched: "no way" is a proof
    // A floor with creatures is searched with creatures filed by the tile
    // they stand on: a way found is a way, but "none" is only as good as that.
    bool byTile = false;
    bool everyTileSearched = false;
    std::vector<uint8_t> demo;
    int lifts = 0;
    int putDowns = 0;
    int steps = 0;
    int64_t statesSearched = 0;  // worlds expanded before the way was found
    int64_t worldsSeen = 0;      // distinct worlds reached
    int64_t peakBytes = 0;       // memory the search held at its largest
    double seconds = 0;          // processor time
    int blocksMoved = 0;         // distinct blocks the way lifts
    int blockCount = 0;          // blocks on the floor at the start
    int64_t readMisses = 0;      // steps read where none was expected (each replayed exactly)
    bool noStart = false;        // the stage searched never begins: the demo ends the floor first
};

Solution Solve(const Floor& floor, const SolveOptions& options);

// The blocks (as indices in the active list at the start) that a demo lifts,
// replayed with chasers on or off.
int CountBlocksLifted(const Floor& floor, const std::vector<uint8_t>& demo, bool chasers);

}  // namespace q::floors
