#pragma once
// The tower's sections: bands of floors that each dress the one back wall
// with wall tiles of their own, so the climb changes as it goes up.
#include <cstdint>
#include <vector>

namespace q::floors {

struct Section {
    const char* name;
    int firstFloor, lastFloor;  // inclusive; the bands follow each other up the tower
    std::vector<int8_t> dressing;  // the wall tiles (all below 16) only this section lays
};

const std::vector<Section>& TowerSections();
// The section a floor 1..57 belongs to; nullptr outside the tower.
const Section* SectionOfFloor(int number);
// The section whose dressing a tile is, or nullptr for a tile every floor may
// use (the bare wall, the blanks, the doors, everything from 16 up).
const Section* SectionOfTile(int8_t tile);

}  // namespace q::floors
