#pragma once
// How the generator judges a floor: the solver's way and figures, which of
// the ideas asked for ablation proves, and one score that ranks candidates.
#include <cstdint>
#include <functional>
#include <string>

#include "floors/floor_source.hpp"
#include "floors/ideas.hpp"
#include "floors/solver.hpp"

namespace q::floors {

// Whether the naive player (lift the nearest block from the near side, carry
// it to the nearest wall) clears a floor. A floor it clears is a walk, not a
// puzzle, and ranks below every one it does not.
using NaivePlayer = std::function<bool(const Floor&)>;

struct Judging {
    IdeaSet wanted = 0;        // the ideas each candidate must prove
    int64_t maxStates = 0;     // each search's budget
    NaivePlayer naive;         // empty: not asked
};

struct Measures {
    bool valid = false;   // lint-clean
    Solution way;         // with chasers off
    IdeaSet proved = 0;   // of the ideas judged
    IdeaSet inconclusive = 0;
    IdeaSet helps = 0;    // not proved, but the floor takes more lifts without them
    int rowsClimbed = 0;  // from where the player starts to where the exit is
    int naive = -1;       // 1: the naive player clears it, 0: it does not, -1: not asked

    bool Complete(IdeaSet wanted) const { return valid && way.found && (proved & wanted) == wanted; }
    bool NoStray() const { return way.blocksMoved >= way.blockCount; }
};

// Lint, the way, the ideas in `ideas` proved one by one, and the naive player.
Measures Judge(const Floor& floor, IdeaSet ideas, const Judging& judging);
// Higher is better: the ideas asked proved first (then, short of a proof,
// ideas that save lifts), then a block needed, no
// stray block, a puzzle the naive player cannot walk, more lifts up to a
// point, more of the blocks used, a higher climb.
double Score(const Measures& m, IdeaSet wanted);

// "lifts 2, put-downs 2, steps 180, searched 5120, blocks moved 2/2", as
// `solve --write` writes it.
std::string StatsLine(const Solution& way);

}  // namespace q::floors
