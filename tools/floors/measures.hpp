#pragma once
// Everything the difficulty table says of a floor beyond its source: the
// ideas ablation proves, the solver's way, the depth of its space and what
// the naive player does. Measuring the set takes minutes, so `table
// --measure` keeps the figures in a file beside the sources, each with the
// fingerprint of the floor it was measured on, and the table reads them.
#include <cstdint>
#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "floors/depth.hpp"
#include "floors/floor_source.hpp"
#include "floors/ideas.hpp"

namespace q::floors {

constexpr const char* kMeasuresFile = "measures.txt";

struct FloorMeasures {
    uint64_t key = 0;  // FloorKey of the floor measured
    bool solved = false;
    int lifts = 0;
    int putDowns = 0;
    int landings = 0;  // see CountLandings
    IdeaSet proved = 0;
    IdeaSet inconclusive = 0;
    Depth depth;
    bool naiveClears = false;
    int blocks = 0;
    int blocksMoved = 0;
};

// A fingerprint of what plays: the rows, the start row, the terrain without
// its dressing, and the objects.
uint64_t FloorKey(const Floor& floor);
// A key as the files beside the sources write it: sixteen lower-case hex digits.
bool ReadFloorKey(const std::string& text, uint64_t& out);
// Hands `read` each line of a file beside the sources that is neither blank
// nor a comment, as words; false, with "line N is not WHAT", at the first
// line it refuses.
bool ReadDataLines(const std::string& text, const char* what, const std::function<bool(std::istringstream&)>& read,
                   std::string& error);

// The landings of a way: the heights the player stands at when it starts a
// put-down, where heights within one block's height (two rows) of the
// lowest of a group count as one landing.
int CountLandings(const Floor& floor, const std::vector<uint8_t>& way);

// The player's start row less the exit's row (the first exit cell or lock
// from the top): how far the floor climbs.
int RowsClimbed(const Floor& floor);

struct MeasureOptions {
    int64_t maxStates = 3000000;  // per search of the solver
    int64_t maxWorlds = 1000000;  // worlds the depth exploration may hold
};
FloorMeasures MeasureFloor(const Floor& floor, const MeasureOptions& options);

// The measures file: one line a floor, "floor N key HEX name value ...".
std::string WriteMeasures(const std::map<int, FloorMeasures>& measures);
// false (with the line) on a line that is not one.
bool ReadMeasures(const std::string& text, std::map<int, FloorMeasures>& out, std::string& error);

}  // namespace q::floors
