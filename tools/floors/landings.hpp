#pragma once
// A floor split into landings, each reduced to a form that two copies of one
// puzzle share however far apart, sideways, mirrored or at another height.
// assets/floors/README.md ("Variety") says what a landing is.
#include <string>
#include <vector>

#include "floors/floor_source.hpp"

namespace q::floors {

struct Landing {
    int firstRow = 0;  // rows of the floor it spans, top row first
    int lastRow = 0;
    // The comparable form with every block alike (same puzzle), and with each
    // block's facing and weight kept (same landing, piece for piece).
    std::string shape;
    std::string exactShape;
    // For each form: +1 when it is the landing as drawn, -1 when it is its
    // mirror image, 0 when the landing is its own mirror image.
    int shapeSide = 0;
    int exactSide = 0;
};

// The landings of a floor worth comparing: those holding a block or a creature.
std::vector<Landing> FindLandings(const Floor& floor);

// How two landings with one shape relate, for a report: "mirrored", "its blocks
// facing or weighing otherwise", both, or "" for an exact copy.
std::string CopyRelation(const Landing& a, const Landing& b);

}  // namespace q::floors
