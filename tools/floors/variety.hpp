#pragma once
// No landing in two floors: the set's landings compared with each other, and
// the list of copies known and let through until the floors are rebuilt.
#include <string>
#include <vector>

#include "floors/floor_source.hpp"

namespace q::floors {

// known-copies.txt beside the floor sources: each line names the floors that
// share one landing (a floor twice for two landings in itself).
struct KnownCopies {
    std::vector<std::vector<int>> groups;
    std::vector<int> lines;  // the source line of each group
};
bool ParseKnownCopies(const std::string& text, KnownCopies& out, SourceError& error);
constexpr const char* kKnownCopiesFile = "known-copies.txt";

struct VarietyFloor {
    int number = 0;
    std::string path;
    const Floor* floor = nullptr;
};

struct VarietyFinding {
    std::string path;
    int line = 0;
    std::string message;
};

struct VarietyReport {
    std::vector<VarietyFinding> faults;  // copies not on the list, and stale list lines
    std::vector<std::string> known;      // copies on the list, one line each
};

// Compares every landing of `floors` with every other and reports those
// involving a floor in `checked`; knownPath names the list in findings.
VarietyReport CheckVariety(const std::vector<VarietyFloor>& floors, const std::vector<int>& checked,
                           const KnownCopies& known, const std::string& knownPath);

}  // namespace q::floors
