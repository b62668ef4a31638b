#pragma once
// The difficulty curve: the table's measures as bars, one panel a measure and
// one column a floor, so a set's rise and rests can be seen at a glance.
#include <cstdint>
#include <vector>

#include "assets/canvas.hpp"
#include "floors/measures.hpp"

namespace q::floors {

struct CurveFloor {
    int number = 0;
    int rowsClimbed = 0;
    const FloorMeasures* measures = nullptr;  // nullptr: not measured (no bars)
};

// The curve, floors left to right in the order given.
assets::Canvas DrawCurve(const std::vector<CurveFloor>& floors);
// The left edge of the i-th floor's bars, and their width.
int CurveColumn(int i);
constexpr int kCurveBarWidth = 10;

}  // namespace q::floors
