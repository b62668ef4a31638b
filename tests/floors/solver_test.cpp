// The solver finds a floor's way by playing forked worlds, and verify holds
// every floor to its demo and to needing its blocks.
#include <gtest/gtest.h>

#include <random>

#include "floors/ablation.hpp"
#include "floors/floor_world.hpp"
#include "floors/solver.hpp"
#include "floors/world_code.hpp"
#include "floors_fixture.hpp"
#include "world/world_step.hpp"

namespace q {
namespace {

// A wall three high at the right with the door on top; `block` (or nothing)
// stands on the floor in column 10, the player in column 3.
test::SourceFloor WallFloor(const std::string& block) {
    test::SourceFloor f(30);
    for (int row = 25; row <= 27; ++row) f.Tiles(row, 30, std::string(9, '#'));
    f.Tiles(23, 34, "n").Tiles(24, 34, "d").Objects(23, 34, "E");
    f.Objects(26, 3, "P");
    if (!block.empty()) f.Objects(27, 10, block);
    return f;
}

floors::Floor Parse(const test::SourceFloor& source) {
    floors::Floor floor;
    floors::SourceError error;
    EXPECT_TRUE(floors::ParseFloorSource(source.Text(), floor, error)) << error.line << ": " << error.message;
    return floor;
}

TEST(Solver, AWallThreeHighIsClimbedOnOneBlockAndItsDemoClearsTheFloor) {
    floors::Floor floor = Parse(WallFloor("J"));
    const floors::Solution way = floors::Solve(floor, {});
    ASSERT_TRUE(way.found);
    EXPECT_EQ(way.lifts, 1);
    EXPECT_EQ(way.putDowns, 1);
    EXPECT_EQ(way.blocksMoved, 1);
    floor.demo = way.demo;
    EXPECT_EQ(floors::ReplayDemo(floor, true).result, PLAY_RESULT_CLEARED) << "the demo replays as the game plays it";

    floors::SolveOptions noKey;
    noKey.allowAction = false;
    const floors::Solution none = floors::Solve(floor, noKey);
    EXPECT_FALSE(none.found);
    EXPECT_TRUE(none.exhausted) << "every way without the action key was tried";
}

TEST(Solver, ABlockShowingItsTallSideCannotBeTurnedRoundFromThisSide) {
    // Lifted from the left it always goes down tall side first towards the
    // wall, and the player cannot get past it to lift it from the right.
    const floors::Solution way = floors::Solve(Parse(WallFloor("L")), {});
    EXPECT_FALSE(way.found);
    EXPECT_TRUE(way.exhausted);
}

TEST(Solver, WaitsForTheBuildersBlockWhenThereIsNoOther) {
    test::SourceFloor f = WallFloor("");
    f.Tiles(23, 1, "=========");  // the builder's shelf, open at its right end
    f.Objects(21, 7, "B");
    floors::Floor floor = Parse(f);
    const floors::Solution way = floors::Solve(floor, {});
    ASSERT_TRUE(way.found);
    EXPECT_EQ(way.blockCount, 0);
    EXPECT_EQ(way.blocksMoved, 1) << "the block the builder dropped";
    floor.demo = way.demo;
    EXPECT_EQ(floors::ReplayDemo(floor, true).result, PLAY_RESULT_CLEARED);
}

TEST(Solver, WalksRightToThePickupAndTurnsBackToTheOpenedLock) {
    // Standing still with nothing in hand, the player must turn round: a
    // search that forgets the turn counters never finds this way.
    test::SourceFloor f(30);
    f.Tiles(25, 3, "()").Tiles(26, 3, "[]").Objects(26, 3, "X").Objects(26, 10, "P").Objects(26, 30, "o");
    floors::Floor floor = Parse(f);
    const floors::Solution way = floors::Solve(floor, {});
    ASSERT_TRUE(way.found);
    EXPECT_EQ(way.lifts, 0);
    floor.demo = way.demo;
    EXPECT_EQ(floors::ReplayDemo(floor, false).result, PLAY_RESULT_CLEARED);
}

TEST(Solver, ARunOutBudgetIsNoProofAndCreaturesAreNeverSearchedThrough) {
    floors::SolveOptions tight;
    tight.maxStates = 50;
    const floors::Solution cut = floors::Solve(Parse(WallFloor("L")), tight);
    EXPECT_FALSE(cut.found);
    EXPECT_FALSE(cut.exhausted) << "50 worlds are not all the worlds";

    test::SourceFloor f = WallFloor("L");
    f.Tiles(23, 1, "=========").Objects(21, 7, "B");
    tight.maxStates = 20000;
    const floors::Solution withBuilder = floors::Solve(Parse(f), tight);
    EXPECT_TRUE(withBuilder.byTile);
    EXPECT_FALSE(withBuilder.exhausted) << "a search with creatures filed by tile proves nothing";
}

TEST(WorldCode, ADecodedWorldStepsOnExactlyAsTheWorldItWasCodedFrom) {
    // Random commands through a floor where blocks are lifted, carried, put
    // down and fall; at every step the world is coded, decoded and both are
    // stepped on together.
    test::SourceFloor f = WallFloor("J");
    f.Tiles(22, 1, "=========").Objects(21, 5, "L").Objects(27, 20, "J");
    const auto root = floors::EnterFloor(Parse(f), {PLAY_MODE_NORMAL, false, 0});
    floors::WorldCoder coder(*root);
    auto world = std::make_unique<World>(*root);
    auto copy = std::make_unique<World>(*root);
    std::mt19937 random(7);
    constexpr int kCommands[] = {CMD_NONE, CMD_RIGHT, CMD_LEFT, CMD_UP, CMD_DOWN, CMD_ACTION};
    std::vector<uint8_t> code, again;
    for (int step = 0; step < 3000; ++step) {
        code.clear();
        coder.Encode(*world, code);
        coder.Decode(code.data(), code.size(), *copy);
        const int command = kCommands[random() % 6];
        const bool done = StepWorld(*world, command);
        ASSERT_EQ(StepWorld(*copy, command), done);
        code.clear();
        again.clear();
        coder.Encode(*world, code);
        coder.Encode(*copy, again);
        ASSERT_EQ(code, again) << "step " << step;
        if (done) break;
    }
}

TEST(Ablation, AnIdeaIsProvedOnlyOnAFloorThatCannotDoWithoutIt) {
    // The block lies behind the player, raised towards it: lifted facing left,
    // it must be turned round to stand raised against the wall.
    test::SourceFloor turn = WallFloor("");
    turn.Objects(26, 3, ".").Objects(26, 20, "P").Objects(27, 10, "L");
    // The block is up on a shelf with the player and must come down to the floor.
    test::SourceFloor drop = WallFloor("");
    drop.Tiles(22, 1, "============").Objects(26, 3, ".").Objects(20, 3, "P").Objects(21, 8, "J");
    floors::SolveOptions calm;
    calm.chasers = false;
    for (const auto& [source, needs, not_needed] : {std::tuple{turn, floors::Idea::Turn, floors::Idea::Drop},
                                                    std::tuple{drop, floors::Idea::Drop, floors::Idea::Turn}}) {
        const floors::Floor floor = Parse(source);
        const floors::Solution way = floors::Solve(floor, calm);
        ASSERT_TRUE(way.found);
        EXPECT_EQ(floors::ProveIdea(floor, needs, way, 1000000).proof, floors::Proof::Proved) << IdeaName(needs);
        EXPECT_EQ(floors::ProveIdea(floor, not_needed, way, 1000000).proof, floors::Proof::NotProved)
            << IdeaName(not_needed);
        EXPECT_EQ(floors::ProveIdea(floor, floors::Idea::Heavy, way, 1000000).proof, floors::Proof::NoPiece);
    }
}

TEST(Verify, NamesAFloorWhoseDemoFailsOrThatNeedsNoBlock) {
    test::TempFolder dir;
    test::WriteStandInSet(dir);
    // Floor 1 may be walked: it is a teaching floor.
    dir.Write("floor-01.txt", test::WalkRightFloor().Header("teaching: yes").Text());
    EXPECT_EQ(test::RunTool(floors::RunVerify, {"--sources", dir.Path(), "1"}).code, 0) << "a teaching floor passes";

    // Floor 2 is the same walk, but not marked as teaching.
    auto needsNothing = test::RunTool(floors::RunVerify, {"--sources", dir.Path(), "2"});
    EXPECT_EQ(needsNothing.code, 1);
    EXPECT_NE(needsNothing.err.find("floor-02.txt: can be cleared without moving a block"), std::string::npos)
        << needsNothing.err;

    // Floor 3 needs its block, but its demo only walks.
    dir.Write("floor-03.txt", WallFloor("J").Demo("R40").Text());
    auto badDemo = test::RunTool(floors::RunVerify, {"--sources", dir.Path(), "3"});
    EXPECT_EQ(badDemo.code, 1);
    EXPECT_NE(badDemo.err.find("floor-03.txt: the demo does not clear the floor"), std::string::npos) << badDemo.err;
    EXPECT_EQ(badDemo.err.find("without moving a block"), std::string::npos) << "its block is needed";
}

}  // namespace
}  // namespace q
