// A tall floor is proved stage by stage: each stage from where the demo
// stands to its own goal, so one landing's idea is pinned to that landing.
#include <gtest/gtest.h>

#include "floors/floor_source.hpp"
#include "floors/solver.hpp"
#include "floors_fixture.hpp"

namespace q {
namespace {

// Two landings, one over the other. Below, a block carried straight to a
// wall three high; from the wall's top a ladder climbs through a hatch in
// the stone between them. Above, a block whose raised quarter faces away
// from the wall it must stand against: only turned round does it climb it.
test::SourceFloor TwoLandings() {
    test::SourceFloor f(40);
    // Stone fills the left half, so the search has little room to wander.
    for (int row = 10; row <= 37; ++row) f.Tiles(row, 1, std::string(18, '#'));
    f.Objects(36, 21, "P").Objects(37, 24, "J");
    for (int row = 35; row <= 37; ++row) f.Tiles(row, 30, std::string(9, '#'));
    for (int row = 28; row <= 34; ++row) f.Tiles(row, 33, "H");
    f.Tiles(27, 19, std::string(20, '#')).Tiles(27, 33, "+");
    for (int row = 20; row <= 26; ++row) f.Tiles(row, 37, "##");
    for (int row = 24; row <= 26; ++row) f.Tiles(row, 19, std::string(11, '#'));
    f.Tiles(22, 28, "n").Tiles(23, 28, "d").Objects(22, 28, "E");
    f.Objects(26, 35, "J");
    return f;
}

// The floor with its stages and a demo joined from their ways: the upper
// stage begins where the lower one's way ends.
floors::Floor Staged(const std::string& lowerIdeas) {
    floors::Floor f;
    floors::SourceError error;
    EXPECT_TRUE(floors::ParseFloorSource(TwoLandings().Text(), f, error)) << error.line << ": " << error.message;
    f.ideas = {"turn"};
    f.stages = {{0, 26, {}, 0}};
    floors::SolveOptions options;
    options.chasers = false;
    options.stage = 0;
    const floors::Solution lower = floors::Solve(f, options);
    EXPECT_TRUE(lower.found) << "the lower landing is climbed";
    f.demo = lower.demo;
    f.stages.push_back({static_cast<int32_t>(f.demo.size()), -1, {"turn"}, 0});
    if (!lowerIdeas.empty()) f.stages[0].ideas = {lowerIdeas};
    options.stage = 1;
    const floors::Solution upper = floors::Solve(f, options);
    EXPECT_TRUE(upper.found) << "the upper landing is climbed from where the lower way ends";
    f.demo.insert(f.demo.end(), upper.demo.begin(), upper.demo.end());
    return f;
}

TEST(Stages, EachLandingIsHeldToTheIdeasProvedFromWhereItsStageBegins) {
    test::TempFolder dir;
    test::WriteStandInSet(dir);
    // The lower landing is climbed without turning a block: listing the turn
    // there is the floor's one fault, though the upper stage and the floor
    // as a whole need it.
    const floors::Floor floor = Staged("turn");
    const std::string text = floors::WriteFloorSource(floor, 12);
    floors::Floor again;
    floors::SourceError error;
    ASSERT_TRUE(floors::ParseFloorSource(text, again, error)) << error.message;
    ASSERT_EQ(again.stages.size(), 2u) << "stages are written back as read";
    EXPECT_EQ(again.stages[1].step, floor.stages[1].step);
    EXPECT_EQ(again.stages[1].ideas, std::vector<std::string>{"turn"});
    dir.Write("floor-12.txt", text);

    const std::string upper = "stage 2 (from step " + std::to_string(floor.stages[1].step) + " to the exit)";
    const auto proved = test::RunTool(floors::RunVerify, {"--sources", dir.Path(), "--ideas", "--random-streams=0",
                                                          "--max-states=400000", "12"});
    EXPECT_EQ(proved.code, 1);
    EXPECT_NE(proved.err.find("stage 1 (from step 0 to row 26): turn is not proved but listed"), std::string::npos)
        << proved.err;
    EXPECT_NE(proved.out.find(upper + ": lifts 1, put-downs 1"), std::string::npos) << proved.out;
    EXPECT_NE(proved.out.find("1 faults"), std::string::npos) << "the upper stage and the floor prove their turn\n"
                                                              << proved.out << proved.err;

    // A stage whose search runs out of budget proves nothing, and fails.
    const auto cut = test::RunTool(floors::RunVerify, {"--sources", dir.Path(), "--ideas", "--random-streams=0",
                                                       "--max-states=200", "12"});
    EXPECT_EQ(cut.code, 1);
    EXPECT_NE(cut.err.find(upper + ": turn is inconclusive but listed"), std::string::npos) << cut.err;

    const auto solved = test::RunTool(floors::RunSolve, {"--sources", dir.Path(), "--no-chasers", "12"});
    EXPECT_EQ(solved.code, 0) << solved.err;
    EXPECT_NE(solved.out.find("floor 12: stages 2, lifts 2 (1 + 1)"), std::string::npos) << solved.out;
}

TEST(Stages, ASourceWhoseStagesCannotFollowItsDemoIsRefusedAtTheirLine) {
    struct Case {
        std::string lines, message;
    };
    const std::vector<Case> cases = {
        {"stage: 0 30\nstage: 40 26", "the last stage ends at the exit"},
        {"stage: 0 exit\nstage: 10 exit", "only the last stage ends at the exit"},
        {"stage: 0 30\nstage: 0 exit", "each at a later step"},
        {"stage: 0 45\nstage: 1 exit", "outside the floor's 40 rows"},
        {"stage: 99 exit", "after the demo's 4 steps"},
        {"stage: 0 exit turn", "a stage is 'stage: STEP ROW ideas: IDEA, ...'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        floors::Floor f;
        floors::SourceError error;
        EXPECT_FALSE(floors::ParseFloorSource(TwoLandings().Header(c.lines).Demo("R4").Text(), f, error));
        EXPECT_NE(error.message.find(c.message), std::string::npos) << error.message;
        EXPECT_GE(error.line, 2);
        EXPECT_LE(error.line, 3);
    }
}

}  // namespace
}  // namespace q
