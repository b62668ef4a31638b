// The solver finds a floor's way by playing forked worlds, and verify holds
// every floor to its demo and to needing its blocks.
#include <gtest/gtest.h>

#include "floors/floor_world.hpp"
#include "floors/solver.hpp"
#include "floors_fixture.hpp"

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
