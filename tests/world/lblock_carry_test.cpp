// Carrying an L-block, putting it down, and losing it.
#include <gtest/gtest.h>

#include "world/handlers.hpp"
#include "world/lblock.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::MakeWorld;
using test::PlaceBlock;
using test::PlacePlayer;
using test::Repeat;
using test::Steps;
using test::UseCommands;

struct Carry {
    std::unique_ptr<World> w;
    Actor* player;
    Actor* block;
};

// The player stands at (64, 128) facing right on a floor at row 10 (unless
// the rows give their own), lifts the block of the kind standing beside it
// and holds it overhead.
Carry LiftAndHold(std::vector<std::string> rows, int kind = KIND_LBLOCK_0) {
    rows.resize(std::max<size_t>(rows.size(), 12));
    if (rows[10].empty()) rows[10] = std::string(40, '#');
    Carry c{MakeWorld(rows), nullptr, nullptr};
    c.player = PlacePlayer(*c.w, 64, 128);
    c.player->dir = 0;
    c.block = PlaceBlock(*c.w, kind, 80, 128);
    UseCommands(*c.w, ".A");
    Steps(*c.w, 8);
    EXPECT_EQ(c.player->update, PlayerCarry);
    EXPECT_EQ(c.block->update, LBlockCarried);
    return c;
}

TEST(LBlockCarry, TheBlockRidesOverThePlayersHeadStickingOutInFront) {
    Carry c = LiftAndHold({});
    UseCommands(*c.w, Repeat('R', 8));
    for (int i = 0; i < 8; ++i) {
        Steps(*c.w);
        EXPECT_EQ(c.block->x, c.player->x);
        EXPECT_EQ(c.block->y, c.player->y - 32);
    }
    EXPECT_EQ(c.player->x, 96);  // two tiles in eight steps
}

TEST(LBlockCarry, HeavyBlocksAreCarriedAtHalfSpeed) {
    Carry c = LiftAndHold({}, KIND_HEAVY_LBLOCK_0);
    UseCommands(*c.w, Repeat('R', 8));
    Steps(*c.w, 8);
    EXPECT_EQ(c.player->x, 80);  // one tile in eight steps
    EXPECT_EQ(c.block->x, 80);
}

TEST(LBlockCarry, TurningAroundMirrorsTheBlockToTheOtherSide) {
    Carry c = LiftAndHold({});
    UseCommands(*c.w, "L");
    Steps(*c.w);
    EXPECT_EQ(c.player->dir, 1);
    EXPECT_EQ(c.block->dir, 1);
    EXPECT_EQ(c.block->x, c.player->x - 16);
}

using test::BlockAt;
using test::Trace;

TEST(LBlockPutDown, SixteenPixelsOutSixteenDownThenItFallsAndThePlayerWalks) {
    Carry c = LiftAndHold({});
    c.w->soundRequests = 0;
    UseCommands(*c.w, "A");
    EXPECT_EQ(Trace(*c.w, *c.block, 1), (std::vector<BlockAt>{{72, 96, LBlockShiftOut}}));
    EXPECT_EQ(c.player->update, PlayerFrozen);
    EXPECT_TRUE(c.w->soundRequests & (1u << 5));
    EXPECT_EQ(c.w->liftOriginX, 64);
    EXPECT_EQ(c.w->liftOriginY, 96);
    EXPECT_EQ(Trace(*c.w, *c.block, 3),
              (std::vector<BlockAt>{{80, 96, LBlockLower}, {80, 104, LBlockLower}, {80, 112, LBlockFall}}));
    EXPECT_EQ(c.player->update, PlayerWalk);
    EXPECT_EQ(Trace(*c.w, *c.block, 2), (std::vector<BlockAt>{{80, 128, LBlockFall}, {80, 128, LBlockRest}}));
    EXPECT_EQ(c.player->x, 64);
    EXPECT_EQ(c.player->y, 128);
}

TEST(LBlockPutDown, AgainstAWallAsHighAsThePlayerTheBlockComesBackOverhead) {
    std::vector<std::string> rows(12);
    rows[8] = rows[9] = ".........#";
    Carry c = LiftAndHold(rows);
    UseCommands(*c.w, Repeat('R', 20));
    Steps(*c.w, 20);
    ASSERT_EQ(c.player->x, 128);  // stopped by the wall
    ASSERT_EQ(c.block->x, 128);
    UseCommands(*c.w, "A");
    EXPECT_EQ(Trace(*c.w, *c.block, 4), (std::vector<BlockAt>{{136, 96, LBlockShiftOut},
                                                              {144, 96, LBlockLower},
                                                              {128, 96, LBlockCarried},
                                                              {128, 96, LBlockCarried}}));
    EXPECT_EQ(c.player->update, PlayerCarry);
    EXPECT_EQ(c.w->heldActor, c.w->IndexOf(*c.block));
}

TEST(LBlockCarry, AfterFiveStepsWithoutGroundThePlayerLetsGo) {
    std::vector<std::string> rows(30);
    rows[10] = "########";
    rows[28] = std::string(40, '#');
    Carry c = LiftAndHold(rows);
    UseCommands(*c.w, Repeat('R', 40));
    int fallingSteps = 0;
    for (int i = 0; i < 40 && c.player->update == PlayerCarry; ++i) {
        const int before = c.player->y;
        const int blockBefore = c.block->y;
        Steps(*c.w);
        if (c.player->y > before) ++fallingSteps;
        if (c.player->update != PlayerCarry) {
            EXPECT_EQ(c.player->update, PlayerWalk);
            EXPECT_EQ(c.block->update, LBlockFall);
            EXPECT_EQ(c.block->y, blockBefore + 16);  // falls on its own from this step
        }
    }
    EXPECT_EQ(c.player->update, PlayerWalk);
    EXPECT_EQ(fallingSteps, 5);
    EXPECT_EQ(c.player->x, 128);
}

TEST(LBlockCarry, ABlockThatLandsWhileCarriedStaysAndThePlayerDropsAway) {
    std::vector<std::string> rows(30);
    rows[8] = ".........#";
    rows[10] = "########";
    rows[28] = std::string(40, '#');
    Carry c = LiftAndHold(rows);
    UseCommands(*c.w, Repeat('R', 20));
    for (int i = 0; i < 20 && c.block->update == LBlockCarried; ++i) Steps(*c.w);
    EXPECT_EQ(c.block->update, LBlockRest);
    EXPECT_EQ(c.block->x, 128);
    EXPECT_EQ(c.block->y, 96);  // its lower half on the tile at row 8
    EXPECT_EQ(c.player->update, PlayerWalk);
    const int playerY = c.player->y;
    Steps(*c.w, 3);
    EXPECT_GT(c.player->y, playerY);
    EXPECT_EQ(c.block->y, 96);
}

}  // namespace
}  // namespace q
