#include "floors/ablation.hpp"

#include "floors/floor_world.hpp"

namespace q::floors {

const char* ProofName(Proof p) {
    switch (p) {
        case Proof::Proved: return "proved";
        case Proof::NotProved: return "not proved";
        case Proof::Inconclusive: return "inconclusive";
        case Proof::NoPiece: return "no piece";
    }
    return "?";
}

IdeaProof ProveIdea(const Floor& floor, Idea idea, const Solution& way, int64_t maxStates) {
    IdeaProof out;
    if (!FloorHasPieceFor(floor, idea)) {
        out.proof = Proof::NoPiece;
        return out;
    }
    SolveOptions options;
    options.chasers = false;
    options.maxStates = maxStates;
    if (!IsPressure(idea)) {
        // The floor must have a way at all, and none without the idea.
        if (!way.found) {
            out.proof = way.exhausted ? Proof::NotProved : Proof::Inconclusive;
            return out;
        }
        options.forbid = Bit(idea);
        const Solution banned = Solve(floor, options);
        out.worlds = banned.worldsSeen;
        out.proof = banned.found ? Proof::NotProved : banned.exhausted ? Proof::Proved : Proof::Inconclusive;
        return out;
    }
    // A pressure: without it the floor has a cheaper way, or a way the floor
    // as built does not allow.
    const Floor eased = WithoutPressure(floor, idea);
    const Solution easy = Solve(eased, options);
    out.worlds = easy.worldsSeen;
    if (!easy.found) {
        out.proof = easy.exhausted ? Proof::NotProved : Proof::Inconclusive;
        return out;
    }
    if (!way.found) {
        out.proof = way.exhausted ? Proof::Proved : Proof::Inconclusive;
        return out;
    }
    if (easy.lifts + easy.putDowns < way.lifts + way.putDowns) {
        out.proof = Proof::Proved;
        return out;
    }
    Floor asBuilt = floor;
    asBuilt.demo = easy.demo;
    out.proof = ReplayDemo(asBuilt, false).result == PLAY_RESULT_CLEARED ? Proof::NotProved : Proof::Proved;
    return out;
}

}  // namespace q::floors
