#pragma once
// The difficulty table: one Markdown row a floor with what the solver found,
// so the curve of the set can be seen at a glance.
#include <cstdint>
#include <string>
#include <vector>

#include "floors/floor_source.hpp"
#include "floors/measures.hpp"

namespace q::floors {

// A source's stats line, as `solve --write` writes it:
// "lifts 3, put-downs 2, steps 410, searched 5210, blocks moved 2/4".
struct SolverStats {
    int lifts = 0;
    int putDowns = 0;
    int steps = 0;
    int64_t searched = 0;
    int blocksMoved = 0;
    int blockCount = 0;
};
// false when the line is not one (a figure missing or not a number).
bool ParseSolverStats(const std::string& line, SolverStats& out);

struct TableRow {
    int number = 0;
    const Floor* floor = nullptr;
    // What `table --measure` found, or nullptr when the floor was not
    // measured as it now stands.
    const FloorMeasures* measures = nullptr;
    std::string playtest = "-";  // see PlaytestCell
};
std::string DifficultyTable(const std::vector<TableRow>& rows);

// The README text with the table put between its two marker lines, whatever
// stood there before. false when the markers are missing or out of order.
constexpr const char* kTableBegin = "<!-- difficulty table -->";
constexpr const char* kTableEnd = "<!-- end of table -->";
bool PutTable(const std::string& readme, const std::string& table, std::string& out, std::string& error);

}  // namespace q::floors
