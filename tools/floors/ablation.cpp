#include "floors/ablation.hpp"


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
    if (idea == Idea::Builder) {
        // A floor with a builder moves by itself, so a ban is never searched
        // through; without the builder it is still, and a block of the
        // builder's is needed exactly when the floor then has no way (the
        // builder only ever adds blocks and danger).
        Floor still = floor;
        for (int8_t& cell : still.objects)
            if (cell == KIND_BUILDER) cell = 0;
        const Solution without = Solve(still, options);
        out.worlds = without.worldsSeen;
        out.proof = without.found ? Proof::NotProved : without.exhausted ? Proof::Proved : Proof::Inconclusive;
        return out;
    }
    if (!IsPressure(idea)) {
        // The floor must have a way at all, and none without the idea.
        if (!way.found) {
            out.proof = way.exhausted ? Proof::NotProved : Proof::Inconclusive;
            return out;
        }
        options.forbid = Bit(idea);
        options.exactCreatures = true;
        Solution banned = Solve(floor, options);
        if (!banned.found && !banned.exhausted && FloorHasPieceFor(floor, Idea::Builder)) {
            // A builder's floor searched world by world rarely ends; filed by
            // tile it may still show a way, which disproves the idea.
            options.exactCreatures = false;
            const Solution byTile = Solve(floor, options);
            if (byTile.found) banned = byTile;
        }
        out.worlds = banned.worldsSeen;
        out.proof = banned.found ? Proof::NotProved : banned.exhausted ? Proof::Proved : Proof::Inconclusive;
        return out;
    }
    // A pressure: without it the floor needs fewer lifts and put-downs, or
    // only then has a way at all.
    const Solution easy = Solve(WithoutPressure(floor, idea), options);
    out.worlds = easy.worldsSeen;
    if (!easy.found) {
        out.proof = easy.exhausted ? Proof::NotProved : Proof::Inconclusive;
    } else if (!way.found) {
        out.proof = way.exhausted ? Proof::Proved : Proof::Inconclusive;
    } else {
        out.proof = easy.lifts + easy.putDowns < way.lifts + way.putDowns ? Proof::Proved : Proof::NotProved;
    }
    return out;
}

}  // namespace q::floors
