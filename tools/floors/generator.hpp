#pragma once
// Proposes floors that need the ideas asked: random layouts from a small
// grammar, improved one change at a time with the solver as the judge
// (a hill-climb that starts again from a fresh layout when it stalls).
// The same options give the same candidates.
#include <cstdint>
#include <iosfwd>
#include <vector>

#include "floors/candidate.hpp"
#include "floors/layout.hpp"

namespace q::floors {

struct GenerateOptions {
    IdeaSet ideas = 0;
    int rows = 30;
    uint64_t seed = 1;
    int count = 3;
    int64_t maxStates = 40000;  // each search's budget
    int tries = 150;            // layouts judged for each candidate at most
    NaivePlayer naive;          // empty: not asked
};

struct Candidate {
    Floor floor;        // named "Candidate N", its ideas line every idea proved, its stats and demo
    Measures measures;  // `proved` holds every idea proved, asked or not
    double score = 0;
    int judged = 0;     // layouts judged to find it
};

// The candidates found, best first: at most `count`, fewer when some search
// ran out of tries before a layout proved every idea asked. `progress`, when
// given, hears a line per candidate searched.
std::vector<Candidate> Generate(const GenerateOptions& options, std::ostream* progress);

// The file a candidate is written to: candidate N is floor N of the folder, so
// lint, solve and render read it with --sources.
std::string CandidateSource(const Candidate& c, int number, const GenerateOptions& options);

}  // namespace q::floors
