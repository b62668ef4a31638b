// The solver finds a floor's way by playing forked worlds, and verify holds
// every floor to its demo and to needing its blocks.
#include <gtest/gtest.h>

#include <random>

#include "floors/ablation.hpp"
#include "floors/floor_world.hpp"
#include "floors/random_keys.hpp"
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

// Cells of one layer over a band of rows: 'T' terrain, 'O' objects.
struct Cells {
    char layer;
    int fromRow, toRow, column;
    std::string text;
};

// A room of stone with a wall `height` rows high from column 10 rightwards,
// its door on top unless `door` is false, and a wall at the left; `extra`
// puts in what the case needs.
test::SourceFloor Room(int height, const std::vector<Cells>& extra, bool door = true) {
    test::SourceFloor f(30);
    const int top = 28 - height;
    for (int row = 20; row <= 27; ++row) f.Tiles(row, 1, "##");
    for (int row = top; row <= 27; ++row) f.Tiles(row, 10, std::string(29, '#'));
    if (door) f.Tiles(top - 2, 11, "n").Tiles(top - 1, 11, "d").Objects(top - 2, 11, "E");
    for (const Cells& c : extra)
        for (int row = c.fromRow; row <= c.toRow; ++row)
            c.layer == 'T' ? f.Tiles(row, c.column, c.text) : f.Objects(row, c.column, c.text);
    return f;
}

// A block hangs on the corner of one standing on raised ground, over the
// mouth of a low tunnel to the exit; stone above it keeps it from being
// lifted. Lifting the holder is the only way in, and the hanging block then
// falls into the mouth, where no one can lift it out: the player must get
// under it while it wobbles.
test::SourceFloor WobbleFloor() {
    test::SourceFloor f(30);
    for (int row = 18; row <= 25; ++row) f.Tiles(row, 1, "#######");
    for (int row = 18; row <= 22; ++row) f.Tiles(row, 8, "##");
    f.Tiles(27, 10, std::string(29, '#'));
    f.Objects(26, 2, "E").Objects(26, 10, "L").Objects(24, 8, "L").Objects(25, 15, "P");
    return f;
}

TEST(Ablation, EachIdeaIsProvedOnAFloorThatCannotDoWithoutItAndOnlyThere) {
    struct Case {
        floors::Idea needs;
        floors::Idea notNeeded;  // an idea the floor's way does without
        test::SourceFloor floor;
    };
    using floors::Idea;
    test::SourceFloor builder = WallFloor("");
    builder.Tiles(23, 1, "=========").Objects(21, 7, "B");
    const std::vector<Case> cases = {
        // The block's raised quarter faces the player: only turned round
        // does it stand raised against the wall.
        {Idea::Turn, Idea::Drop, Room(3, {{'O', 26, 26, 6, "P"}, {'O', 27, 27, 3, "L"}})},
        // The block is up on a ledge with the player and must come down.
        {Idea::Drop, Idea::Turn, Room(3, {{'T', 24, 24, 3, "===="}, {'O', 22, 22, 3, "P"}, {'O', 23, 23, 4, "J"}})},
        // Two steps of one block and one hung on its notch reach a wall of five.
        {Idea::Hold, Idea::Wobble, Room(5, {{'O', 26, 26, 5, "P"}, {'O', 27, 27, 3, "L"}, {'O', 27, 27, 6, "J"}})},
        // From a ledge the block must go on top of the one in the pit.
        {Idea::Stack, Idea::Hold,
         Room(5, {{'T', 25, 27, 3, "#####"}, {'O', 23, 23, 6, "P"}, {'O', 24, 24, 3, "L"}, {'O', 27, 27, 8, "J"}})},
        // The only place beside the block is a ladder's foot.
        {Idea::LadderLift, Idea::Drop,
         Room(10,
              {{'T', 25, 27, 1, "#####"}, {'T', 23, 23, 4, "n"}, {'T', 24, 24, 4, "d"}, {'O', 23, 23, 4, "E"},
               {'T', 24, 27, 7, "H"}, {'O', 26, 26, 6, "P"}, {'O', 27, 27, 8, "J"}},
              false)},
        // The lock beside the player opens only for the pickup up on the wall.
        {Idea::Pickup, Idea::Turn,
         Room(3, {{'T', 25, 25, 2, "()"}, {'T', 26, 26, 2, "[]"}, {'O', 26, 26, 2, "X"}, {'O', 26, 26, 5, "P"},
                  {'O', 27, 27, 7, "J"}, {'O', 23, 23, 12, "o"}})},
        {Idea::Wobble, Idea::Stack, WobbleFloor()},
        // No block but the one the builder drops.
        {Idea::Builder, Idea::Heavy, builder},
        // The builder paces the pit between the player and the exit, and a
        // block dropped beside it only shuts it in there: it must be flattened.
        {Idea::Squash, Idea::Builder,
         Room(4,
              {{'T', 24, 24, 3, "="}, {'T', 24, 27, 6, "####"}, {'T', 18, 23, 10, "#"}, {'O', 22, 22, 9, "P"},
               {'O', 23, 23, 6, "J"}, {'O', 26, 26, 4, "B"}, {'O', 26, 26, 3, "E"}},
              false)},
    };
    floors::SolveOptions calm;
    calm.chasers = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(floors::IdeaName(c.needs));
        const floors::Floor floor = Parse(c.floor);
        const floors::Solution way = floors::Solve(floor, calm);
        ASSERT_TRUE(way.found) << "the floor has a way with every idea";
        const floors::IdeaProof proof = floors::ProveIdea(floor, c.needs, way, 400000);
        EXPECT_EQ(proof.proof, floors::Proof::Proved) << "searched " << proof.worlds << " worlds";
        const floors::Proof other = floors::ProveIdea(floor, c.notNeeded, way, 400000).proof;
        EXPECT_TRUE(other == floors::Proof::NotProved || other == floors::Proof::NoPiece)
            << floors::IdeaName(c.notNeeded) << " is " << floors::ProofName(other);
        EXPECT_EQ(floors::ProveIdea(floor, c.needs, way, 20).proof, floors::Proof::Inconclusive)
            << "a search cut short proves nothing";
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

TEST(Verify, NamesAPuzzleFloorThatRandomKeysClearButNotATeachingOne) {
    // One block twenty tiles from a wall: held keys and tapped lifts get it there.
    const floors::Floor wall = Parse(WallFloor("J"));
    floors::RandomKeysOptions keys;
    keys.streams = 400;
    keys.seed = 12;  // as verify tries floor 12
    const int stream = floors::RandomKeysClear(wall, keys);
    ASSERT_GT(stream, 0);
    EXPECT_EQ(floors::RandomKeysClear(wall, keys), stream) << "a seed tries the same streams";
    EXPECT_EQ(floors::RandomKeysClear(Parse(WallFloor("")), keys), 0) << "without its block it cannot be cleared";

    test::TempFolder dir;
    test::WriteStandInSet(dir);
    for (int n : {5, 12}) {
        dir.Write(floors::SourceFileName(n), WallFloor("J").Text());
        ASSERT_EQ(test::RunTool(floors::RunSolve, {"--sources", dir.Path(), "--write", std::to_string(n)}).code, 0);
    }
    const std::string many = "--random-streams=" + std::to_string(stream);
    EXPECT_EQ(test::RunTool(floors::RunVerify, {"--sources", dir.Path(), many, "5"}).code, 0)
        << "floors 1-10 teach one move each";
    const auto puzzle = test::RunTool(floors::RunVerify, {"--sources", dir.Path(), many, "12"});
    EXPECT_EQ(puzzle.code, 1);
    EXPECT_NE(puzzle.err.find("floor-12.txt: random keys clear it"), std::string::npos) << puzzle.err;
}

}  // namespace
}  // namespace q
