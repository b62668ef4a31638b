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

bool ProvedByStage(Idea idea) { return !IsPressure(idea) && idea != Idea::Builder; }

IdeaProof ProveIdea(const Floor& floor, Idea idea, const Solution& way, int64_t maxStates, int stage) {
    IdeaProof out;
    if (!FloorHasPieceFor(floor, idea) || (stage >= 0 && !ProvedByStage(idea))) {
        out.proof = Proof::NoPiece;
        return out;
    }
    SolveOptions options;
    options.chasers = false;
    options.maxStates = maxStates;
    options.stage = stage;
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

namespace {

PartProofs ProvePart(const Floor& floor, int64_t maxStates, int stage, const Solution* known) {
    PartProofs part;
    if (known) {
        part.way = *known;
    } else {
        SolveOptions calm;
        calm.chasers = false;
        calm.maxStates = maxStates;
        calm.stage = stage;
        part.way = Solve(floor, calm);
    }
    // A floor with stages proves its ideas by them when the whole is beyond
    // the budget: every ban on it would only run out too.
    part.searched = stage >= 0 || floor.stages.empty() || part.way.found || part.way.exhausted;
    if (!part.searched) return part;
    for (int i = 0; i < kIdeaCount; ++i) {
        const Idea idea = static_cast<Idea>(i);
        const Proof p = ProveIdea(floor, idea, part.way, maxStates, stage).proof;
        if (p == Proof::Proved) part.proved |= Bit(idea);
        if (p == Proof::NotProved) part.notProved |= Bit(idea);
        if (p == Proof::Inconclusive) part.inconclusive |= Bit(idea);
    }
    return part;
}

}  // namespace

FloorProofs ProveFloor(const Floor& floor, int64_t maxStates, const Solution* whole) {
    FloorProofs out;
    out.whole = ProvePart(floor, maxStates, -1, whole);
    for (size_t k = 0; k < floor.stages.size(); ++k)
        out.stages.push_back(ProvePart(floor, maxStates, static_cast<int>(k), nullptr));
    out.proved = out.whole.proved;
    IdeaSet undecided = out.whole.inconclusive;
    for (const PartProofs& stage : out.stages) {
        out.proved |= stage.proved;
        undecided |= stage.inconclusive;
    }
    // Ideas only the whole floor proves stay open when it was not searched.
    if (!out.whole.searched)
        for (int i = 0; i < kIdeaCount; ++i)
            if (!ProvedByStage(static_cast<Idea>(i)) && FloorHasPieceFor(floor, static_cast<Idea>(i)))
                undecided |= Bit(static_cast<Idea>(i));
    out.inconclusive = undecided & ~out.proved;
    IdeaSet tried = out.whole.notProved;
    for (const PartProofs& stage : out.stages) tried |= stage.notProved;
    out.notProved = tried & ~out.proved & ~out.inconclusive;
    return out;
}

}  // namespace q::floors
