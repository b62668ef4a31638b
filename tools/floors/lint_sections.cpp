#include "floors/lint_sections.hpp"

#include <string>

#include "floors/legend.hpp"
#include "floors/sections.hpp"

namespace q::floors {

std::vector<LintFinding> LintSectionDressing(const Floor& f, int number) {
    std::vector<LintFinding> out;
    const Section* own = SectionOfFloor(number);
    if (!own) return out;
    for (int row = 0; row < f.rows; ++row) {
        // One finding a row is enough to point at; the rest of it is the same fault.
        for (int col = 0; col < kColumns; ++col) {
            const Section* s = SectionOfTile(f.Tile(col, row));
            if (!s || s == own) continue;
            const char symbol = SymbolForTile(f.Tile(col, row));
            out.push_back({f.terrainLine ? f.terrainLine + 1 + row : 0,
                           "column " + std::to_string(col) + ": '" + std::string(1, symbol ? symbol : '?') +
                               "' is " + s->name + " dressing; floor " + std::to_string(number) + " is in the " +
                               own->name,
                           row, col});
            break;
        }
    }
    return out;
}

}  // namespace q::floors
