#pragma once
// The section check of `lint`: a floor lays only its own section's dressing.
#include <vector>

#include "floors/floor_source.hpp"
#include "floors/lint.hpp"

namespace q::floors {

std::vector<LintFinding> LintSectionDressing(const Floor& floor, int number);

}  // namespace q::floors
