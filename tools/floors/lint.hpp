#pragma once
// Faults that make a floor unplayable, each with the source line to look at.
#include <string>
#include <vector>

#include "floors/floor_source.hpp"

namespace q::floors {

struct LintFinding {
    int line = 0;
    std::string message;
};

// number is the floor's number (57 is the ending floor, which is a scene and
// needs neither player nor exit).
std::vector<LintFinding> LintFloor(const Floor& floor, int number);

}  // namespace q::floors
