#pragma once
// The difficulty curve: the table's measures as bars, one panel a measure and
// one column a floor, so a set's rise and rests can be seen at a glance.
#include <cstdint>
#include <vector>

#include "floors/measures.hpp"

namespace q::floors {

struct CurveFloor {
    int number = 0;
    int rowsClimbed = 0;
    const FloorMeasures* measures = nullptr;  // nullptr: not measured (no bars)
};

// PNG bytes of the curve.
std::vector<uint8_t> DrawCurve(const std::vector<CurveFloor>& floors);

}  // namespace q::floors
