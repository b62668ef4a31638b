#pragma once
// Random key streams: presses a player makes who has not read the floor. A
// floor that such presses clear is no puzzle, so verify tries a few.
#include <cstdint>

#include "floors/floor_source.hpp"

namespace q::floors {

struct RandomKeysOptions {
    int streams = 48;    // streams tried, each from the floor's start
    int steps = 4000;    // steps of each stream
    uint64_t seed = 1;   // the same seed tries the same streams
};

// The first stream (counted from 1) that clears the floor with chasers off,
// or 0 when none does.
int RandomKeysClear(const Floor& floor, const RandomKeysOptions& options);

}  // namespace q::floors
