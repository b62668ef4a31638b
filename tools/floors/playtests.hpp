#pragma once
// What first-time players made of each floor. A player sees only the map and
// the rules, writes a plan, then tries it; `playtests.txt` beside the sources
// keeps one line a player a floor, and the difficulty table sums them up.
#include <cstdint>
#include <string>
#include <vector>

namespace q::floors {

constexpr const char* kPlaytestsFile = "playtests.txt";

struct Playtest {
    int floor = 0;     // the floor's number when it was played, for the reader
    uint64_t key = 0;  // FloorKey of the floor played: a moved floor keeps its playtests, a changed one loses them
    std::string player;
    bool planWorked = false;  // the plan written before the first try cleared the floor
    int tries = 0;            // plans tried, the last one included
    bool cleared = false;
};

// "floor N key HEX player NAME plan worked|failed tries K cleared yes|no";
// false (with the line) on a line that is not one.
bool ReadPlaytests(const std::string& text, std::vector<Playtest>& out, std::string& error);

// The table's cell for the floor with this key: "plan 1/2, cleared 2/2,
// tries 1-3", or "-" when nobody has played it as it stands.
std::string PlaytestCell(const std::vector<Playtest>& playtests, uint64_t key);

}  // namespace q::floors
