#pragma once
// Proving what a floor asks: an idea belongs to a floor only when taking it
// away makes the floor unsolvable (a tool) or easier (a pressure).
#include <cstdint>
#include <string>
#include <vector>

#include "floors/floor_source.hpp"
#include "floors/ideas.hpp"
#include "floors/solver.hpp"

namespace q::floors {

enum class Proof {
    Proved,
    NotProved,
    Inconclusive,  // a search ran out of budget: it proves nothing
    NoPiece,       // the floor has nothing the idea needs
};
const char* ProofName(Proof p);

struct IdeaProof {
    Proof proof = Proof::NotProved;
    int64_t worlds = 0;  // worlds the deciding search reached
};

// `way` is the floor's own solution with chasers off (chasers are never
// needed, so every proof is made without them). With a stage (an index into
// floor.stages), `way` is the stage's and the idea is proved from the stage's
// start to its goal; a stage proves bans alone (see ProvedByStage), and any
// other idea is answered NoPiece.
IdeaProof ProveIdea(const Floor& floor, Idea idea, const Solution& way, int64_t maxStates, int stage = -1);

// Whether a stage can prove the idea: a ban can, but a pressure or the builder
// is taken away by changing the floor, on which the demo that leads to the
// stage would no longer play the same.
bool ProvedByStage(Idea idea);

// What ablation proves of one part of a floor: the whole of it or a stage.
struct PartProofs {
    Solution way;  // with chasers off
    IdeaSet proved = 0, notProved = 0, inconclusive = 0;
    bool searched = false;  // false: the part's own search did not fit, so no idea was tried on it
};

// Everything ablation proves of a floor. A floor without stages is proved
// whole. A floor with stages is proved stage by stage, and whole as well
// when its own search fits the budget; an idea is then proved for the floor
// when the whole floor or any stage proves it, and inconclusive when none
// does and a search that could have ran out of budget.
struct FloorProofs {
    PartProofs whole;
    std::vector<PartProofs> stages;
    IdeaSet proved = 0, notProved = 0, inconclusive = 0;
};
// `whole`, when given, is the floor's own way already searched.
FloorProofs ProveFloor(const Floor& floor, int64_t maxStates, const Solution* whole = nullptr);

}  // namespace q::floors
