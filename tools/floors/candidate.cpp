#include "floors/candidate.hpp"

#include <algorithm>
#include <bit>
#include <sstream>

#include "floors/ablation.hpp"
#include "floors/lint.hpp"
#include "world/world.hpp"

namespace q::floors {

namespace {

// Lifts beyond this make a floor longer, not deeper.
constexpr int kLiftsWanted = 5;
constexpr int kLiftsTooMany = 9;
// Any floor number but the ending's, which lint lets off its checks.
constexpr int kLintAs = 1;

// The surface rows the player starts on and the exit stands on.
int RowsClimbed(const Floor& f) {
    int player = -1, exit = -1;
    for (int r = 0; r < f.rows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const int8_t o = f.Object(c, r);
            if (o == KIND_PLAYER && player < 0) player = r;
            if ((o == EXIT_CELL || o == KIND_EXIT_LOCK) && exit < 0) exit = r;
        }
    return player < 0 || exit < 0 ? 0 : player - exit;
}

}  // namespace

Measures Judge(const Floor& floor, IdeaSet ideas, const Judging& judging) {
    Measures m;
    m.valid = LintFloor(floor, kLintAs).empty();
    if (!m.valid) return m;
    m.rowsClimbed = RowsClimbed(floor);
    SolveOptions calm;
    calm.chasers = false;
    calm.maxStates = judging.maxStates;
    m.way = Solve(floor, calm);
    // A floor walked without lifting a block asks nothing of the blocks.
    if (!m.way.found || m.way.lifts == 0) return m;
    for (int i = 0; i < kIdeaCount; ++i) {
        const Idea idea = static_cast<Idea>(i);
        if (!Has(ideas, idea)) continue;
        // The builder is proved on the floor without it, as pressures are.
        if (IsPressure(idea) || idea == Idea::Builder) {
            const Proof p = ProveIdea(floor, idea, m.way, judging.maxStates).proof;
            if (p == Proof::Proved) m.proved |= Bit(idea);
            if (p == Proof::Inconclusive) m.inconclusive |= Bit(idea);
            continue;
        }
        // A tool is proved as ProveIdea proves it; the banned way's cost,
        // when there is one, tells the climb how near it came.
        SolveOptions banned = calm;
        banned.forbid = Bit(idea);
        const Solution without = Solve(floor, banned);
        if (without.found) {
            if (without.lifts + without.putDowns > m.way.lifts + m.way.putDowns) m.helps |= Bit(idea);
        } else if (without.exhausted) {
            m.proved |= Bit(idea);
        } else {
            m.inconclusive |= Bit(idea);
        }
    }
    if (judging.naive && (m.proved & judging.wanted) == judging.wanted) m.naive = judging.naive(floor) ? 1 : 0;
    return m;
}

double Score(const Measures& m, IdeaSet wanted) {
    if (!m.valid) return -1;
    if (!m.way.found) return 0;
    double s = 1 + 1000.0 * std::popcount(m.proved & wanted) + 300.0 * std::popcount(m.helps & wanted);
    if (m.way.lifts == 0) return s;
    s += 200;
    if (m.NoStray()) s += 100;
    if (m.naive != 1) s += 60;
    s += 10.0 * std::min(m.way.lifts, kLiftsWanted) - 5.0 * std::max(0, m.way.lifts - kLiftsTooMany);
    s += 10.0 * m.way.blocksMoved / std::max(1, m.way.blockCount);
    s += 5.0 * std::clamp(m.rowsClimbed, 0, 8);
    // Ideas proved beyond those asked make a richer floor.
    s += 3.0 * std::popcount(m.proved & ~wanted);
    return s;
}

std::string StatsLine(const Solution& s) {
    std::ostringstream o;
    o << "lifts " << s.lifts << ", put-downs " << s.putDowns << ", steps " << s.steps << ", searched "
      << s.statesSearched << ", blocks moved " << s.blocksMoved << "/" << s.blockCount;
    return o.str();
}

}  // namespace q::floors
