#pragma once
// Proving what a floor asks: an idea belongs to a floor only when taking it
// away makes the floor unsolvable (a tool) or easier (a pressure).
#include <cstdint>
#include <string>

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
// needed, so every proof is made without them).
IdeaProof ProveIdea(const Floor& floor, Idea idea, const Solution& way, int64_t maxStates);

}  // namespace q::floors
