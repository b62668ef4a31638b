// The generator proposes floors that are playable, need the ideas asked, and
// come out the same for the same seed.
#include <gtest/gtest.h>

#include "floors/floor_world.hpp"
#include "floors/generator.hpp"
#include "floors/layout.hpp"
#include "floors/lint.hpp"
#include "floors/solver.hpp"
#include "floors_fixture.hpp"

namespace q {
namespace {

floors::GenerateOptions TurnOptions(uint64_t seed) {
    floors::GenerateOptions o;
    std::string unknown;
    EXPECT_TRUE(floors::ParseIdeas("turn", o.ideas, unknown));
    o.rows = 30;
    o.seed = seed;
    o.count = 1;
    return o;
}

std::vector<std::string> Sources(const floors::GenerateOptions& o) {
    std::vector<std::string> texts;
    const auto found = floors::Generate(o, nullptr);
    for (size_t i = 0; i < found.size(); ++i)
        texts.push_back(floors::CandidateSource(found[i], static_cast<int>(i) + 1, o));
    return texts;
}

TEST(Generator, ASeedGivesTheSameCandidatesAndEachIsPlayableAndNeedsItsIdea) {
    const floors::GenerateOptions o = TurnOptions(5);
    const std::vector<std::string> first = Sources(o);
    ASSERT_EQ(first.size(), 1u) << "the search found no floor that needs turning the block";
    EXPECT_EQ(Sources(o), first) << "the same seed, the same floors";
    EXPECT_NE(Sources(TurnOptions(6)), first) << "another seed, another floor";

    // Read back as any floor source is, the candidate passes lint, its demo
    // clears it, and the solver finds no way without turning.
    floors::Floor floor;
    floors::SourceError error;
    ASSERT_TRUE(floors::ParseFloorSource(first[0], floor, error)) << error.line << ": " << error.message;
    EXPECT_EQ(floor.name, "Candidate 1");
    EXPECT_TRUE(floors::LintFloor(floor, 1).empty());
    EXPECT_EQ(floors::ReplayDemo(floor, true).result, PLAY_RESULT_CLEARED);
    floors::SolveOptions calm;
    calm.chasers = false;
    EXPECT_TRUE(floors::Solve(floor, calm).found);
    calm.forbid = floors::Bit(floors::Idea::Turn);
    const floors::Solution banned = floors::Solve(floor, calm);
    EXPECT_FALSE(banned.found);
    EXPECT_TRUE(banned.exhausted);
    EXPECT_NE(std::find(floor.ideas.begin(), floor.ideas.end(), "turn"), floor.ideas.end());
}

TEST(Generator, EveryLayoutTheGrammarMakesOrChangesPassesLint) {
    // Solving is left out: what is checked is that no change, however many,
    // draws a floor that cannot be played sensibly.
    const char* lists[] = {"turn", "hold,stack", "heavy", "pickup", "builder", "ladder-lift,drop", "squash,push"};
    floors::SplitMix rng(11);
    int changes = 0;
    for (const char* list : lists)
        for (int rows : {30, 47}) {
            floors::IdeaSet ideas = 0;
            std::string unknown;
            ASSERT_TRUE(floors::ParseIdeas(list, ideas, unknown));
            floors::Layout layout = floors::RandomLayout(ideas, rows, rng);
            for (int i = 0; i < 60; ++i) {
                if (floors::Mutate(layout, ideas, rng)) ++changes;
                const auto drawing = floors::Draw(layout);
                ASSERT_TRUE(drawing) << list << ": a change left a layout that does not draw";
                const floors::Floor floor = floors::ToFloor(*drawing);
                for (const auto& finding : floors::LintFloor(floor, 1))
                    ADD_FAILURE() << list << ", " << rows << " rows: " << finding.message << "\n"
                                  << floors::WriteFloorSource(floor, 1);
                if (floors::FloorHasPieceFor(floor, floors::Idea::Builder) != floors::Has(ideas, floors::Idea::Builder) &&
                    !floors::Has(ideas, floors::Idea::Squash))
                    ADD_FAILURE() << list << ": a builder only where the ideas ask for one";
            }
        }
    EXPECT_GT(changes, 300) << "most changes fit";
}

TEST(Generator, APieceMustStandOnSomethingFirmInsideTheRoom) {
    floors::SplitMix rng(3);
    floors::Layout layout = floors::RandomLayout(floors::Bit(floors::Idea::Turn), 30, rng);
    ASSERT_TRUE(floors::Draw(layout));
    floors::Layout floating = layout;
    floating.pieces[0].surface -= 6;  // the player in mid-air
    EXPECT_FALSE(floors::Draw(floating));
    EXPECT_TRUE(floors::Settle(floating)) << "settling finds it the ground again";
    EXPECT_TRUE(floors::Draw(floating));
    floors::Layout outside = layout;
    outside.pieces[0].column = layout.left - 1;
    EXPECT_FALSE(floors::Draw(outside));
}

TEST(Generator, TheCommandWritesSourcesTheOtherToolsReadAndRefusesBadArguments) {
    test::TempFolder dir;
    auto run = test::RunTool(floors::RunGenerate, {"--ideas", "turn", "--rows", "30", "--seed", "5", "--count", "1", "--out", dir.Path()});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("candidate 1: ideas turn"), std::string::npos) << run.out;
    EXPECT_EQ(test::RunTool(floors::RunLint, {"--sources", dir.Path(), "1"}).code, 0);
    EXPECT_EQ(test::RunTool(floors::RunSolve, {"--sources", dir.Path(), "--no-chasers", "1"}).code, 0);

    const std::vector<std::vector<std::string>> bad = {
        {"--ideas", "juggling", "--rows", "30", "--seed", "1"},
        {"--ideas", "turn", "--rows", "12", "--seed", "1"},
        {"--ideas", "turn", "--rows", "30"},
        {"--ideas", "turn", "--rows", "30", "--seed", "1", "--count"},
    };
    for (const auto& args : bad) {
        auto refused = test::RunTool(floors::RunGenerate, args);
        EXPECT_EQ(refused.code, 1) << args[1];
        EXPECT_NE(refused.err.find("quorrel-floors generate: "), std::string::npos) << refused.err;
    }
}

}  // namespace
}  // namespace q
