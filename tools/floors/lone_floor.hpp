#pragma once
// One floor made into a whole floor set, so the game can play a floor drawn
// on its own (the editor page, quorrel-floors compile --floor) whichever
// floor number it starts on.
#include <cstdint>
#include <vector>

#include "floors/floor_source.hpp"

namespace q::floors {

// floor.dat with the floor in every place of the set.
std::vector<uint8_t> LoneFloorDat(const Floor& floor);

}  // namespace q::floors
