#pragma once
// Faults that make a floor unplayable, each with the source line to look at.
#include <string>
#include <vector>

#include "floors/floor_source.hpp"

namespace q::floors {

struct LintFinding {
    int line = 0;
    std::string message;
    // The cell to look at, for an editor to mark: -1 when the finding is
    // about the floor as a whole (or a whole row: column -1).
    int row = -1;
    int column = -1;
};

// number is the floor's number (57 is the ending floor, which is a scene and
// needs neither player nor exit).
std::vector<LintFinding> LintFloor(const Floor& floor, int number);

}  // namespace q::floors
