// L-blocks falling, coming to rest, wobbling and falling again.
#include <gtest/gtest.h>

#include "platform/core/atlas_layout.hpp"
#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"
#include "world/handlers.hpp"
#include "world/lblock.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::MakeWorld;
using test::PlaceBlock;
using test::SetTile;
using test::Steps;

// Twelve rows with a floor of tile 28 on the last; blocks standing on it have
// their top at y 144.
std::unique_ptr<World> FloorWorld() {
    std::vector<std::string> rows(12, "");
    rows[11] = std::string(40, '+');
    return MakeWorld(rows);
}

TEST(LBlockFall, MarkerBlockAppearsATileHigherAndFallsSixteenPixelsAStep) {
    auto w = FloorWorld();
    Actor* block = test::SpawnKind(*w, KIND_LBLOCK_0, 2, 3);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->x, 32);
    EXPECT_EQ(block->y, 32);
    EXPECT_EQ(block->dir, 0);
    for (int step = 1; step <= 7; ++step) {
        Steps(*w);
        EXPECT_EQ(block->y, 32 + 16 * step) << "step " << step;
        EXPECT_EQ(block->update, LBlockFall);
    }
    Steps(*w);  // the next fall would reach into the floor: it stops on it
    EXPECT_EQ(block->y, 144);
    EXPECT_EQ(block->update, LBlockRest);
    EXPECT_EQ(block->timer, kLBlockRestSteps);
}

TEST(LBlockFall, LadderTilesDoNotHoldAFallingBlockButTile28Does) {
    auto w = FloorWorld();
    SetTile(*w, 2, 6, 27);
    SetTile(*w, 3, 6, 24);
    SetTile(*w, 6, 6, 28);
    Actor* throughLadder = PlaceBlock(*w, KIND_LBLOCK_0, 32, 0);
    Actor* onFloorTile = PlaceBlock(*w, KIND_LBLOCK_1, 96, 0);
    Steps(*w, 12);
    EXPECT_EQ(throughLadder->y, 144);
    EXPECT_EQ(throughLadder->update, LBlockRest);
    EXPECT_EQ(onFloorTile->y, 64);  // bottom on the top edge of row 6
    EXPECT_EQ(onFloorTile->update, LBlockRest);
}

TEST(LBlockFall, AFallingBlockLandsOnAnotherBlock) {
    auto w = FloorWorld();
    Actor* lower = PlaceBlock(*w, KIND_LBLOCK_1, 64, 144);
    Actor* upper = PlaceBlock(*w, KIND_LBLOCK_1, 64, 0);
    Steps(*w, 10);
    EXPECT_EQ(lower->y, 144);
    EXPECT_EQ(upper->y, 112);
    EXPECT_EQ(upper->update, LBlockRest);
}

// A block at (32, 112) resting on two tiles of row 9, which the test then
// changes.
std::unique_ptr<World> BlockOnTiles(Actor** block) {
    auto w = FloorWorld();
    SetTile(*w, 2, 9, 28);
    SetTile(*w, 3, 9, 28);
    *block = PlaceBlock(*w, KIND_LBLOCK_0, 32, 112);
    Steps(*w);
    EXPECT_EQ((*block)->update, LBlockRest);
    return w;
}

TEST(LBlockRest, TileNumbersUnderTheCornersAreOredSo16And12HoldBut16And8DoNot) {
    Actor* block = nullptr;
    auto w = BlockOnTiles(&block);
    SetTile(*w, 2, 9, 16);
    SetTile(*w, 3, 9, 12);
    Steps(*w, 100);
    EXPECT_EQ(block->y, 112);
    EXPECT_EQ(block->update, LBlockRest);
    EXPECT_EQ(block->timer, kLBlockRestSteps);

    SetTile(*w, 3, 9, 8);
    Steps(*w, 41);
    EXPECT_GT(block->y, 112);
}

TEST(LBlockRest, UnsupportedBlockHangsFortyStepsWobblingThenFalls) {
    Actor* block = nullptr;
    auto w = BlockOnTiles(&block);
    SetTile(*w, 2, 9, 0);
    SetTile(*w, 3, 9, 0);
    StartDrawRecording();
    for (int step = 1; step <= 40; ++step) {
        Steps(*w);
        EXPECT_EQ(block->y, 112) << "step " << step;
        EXPECT_EQ(block->timer, kLBlockRestSteps - step);
        // Drawn 4 pixels lower on odd counts: it shakes every other step.
        ClearRecordedDraws();
        LBlockDraw(*w, *block);
        int count = 0;
        const DrawCall* draws = RecordedDraws(&count);
        ASSERT_EQ(count, 1);
        const int expectedTop = (step < 40 && (40 - step) % 2 == 1) ? 116 : 112;
        EXPECT_EQ(draws[0].dest, (Rect{32, expectedTop, 64, expectedTop + 32})) << "step " << step;
    }
    StopDrawRecording();
    EXPECT_EQ(block->update, LBlockFall);
    Steps(*w);
    EXPECT_EQ(block->y, 128);
    Steps(*w);
    EXPECT_EQ(block->y, 144);
    Steps(*w);
    EXPECT_EQ(block->update, LBlockRest);
}

TEST(LBlockRest, SupportRegainedBeforeTheFallStartsTheCountAgain) {
    Actor* block = nullptr;
    auto w = BlockOnTiles(&block);
    SetTile(*w, 2, 9, 0);
    Steps(*w, 1);
    EXPECT_EQ(block->timer, 40) << "one tile 28 under a corner still holds it";
    SetTile(*w, 3, 9, 0);
    Steps(*w, 30);
    EXPECT_EQ(block->timer, 10);
    SetTile(*w, 3, 9, 28);
    Steps(*w);
    EXPECT_EQ(block->timer, kLBlockRestSteps);
    SetTile(*w, 3, 9, 0);
    Steps(*w, 40);
    EXPECT_EQ(block->y, 112);
    Steps(*w);
    EXPECT_EQ(block->y, 128);
}

TEST(LBlockRest, ABlockUnderneathHoldsItAndTakingThatAwayStartsTheWobble) {
    auto w = FloorWorld();
    Actor* lower = PlaceBlock(*w, KIND_LBLOCK_1, 32, 144);
    Actor* upper = PlaceBlock(*w, KIND_LBLOCK_1, 32, 112);
    Steps(*w, 5);
    EXPECT_EQ(upper->update, LBlockRest);
    EXPECT_EQ(upper->timer, kLBlockRestSteps);
    lower->x = 300;  // the lower block goes away
    Steps(*w);
    EXPECT_EQ(upper->timer, kLBlockRestSteps - 1);
}

// A resting block at (32, 112) and a neighbour of the given kind 32 pixels to
// the right and 32 lower, standing on the floor; the upper block loses the
// tile it stood on.
std::unique_ptr<World> Staircase(int neighbourKind, Actor** upper) {
    auto w = FloorWorld();
    PlaceBlock(*w, neighbourKind, 64, 144);
    SetTile(*w, 2, 9, 28);
    SetTile(*w, 3, 9, 28);
    *upper = PlaceBlock(*w, KIND_LBLOCK_0, 32, 112);
    Steps(*w, 2);
    SetTile(*w, 2, 9, 0);
    SetTile(*w, 3, 9, 0);
    return w;
}

TEST(LBlockStaircase, SameDirNeighbourDiagonallyBelowOnTheNotchSideHoldsARestingBlock) {
    Actor* upper = nullptr;
    auto w = Staircase(KIND_LBLOCK_0, &upper);
    Steps(*w, 100);
    EXPECT_EQ(upper->y, 112);
    EXPECT_EQ(upper->timer, kLBlockRestSteps);
}

TEST(LBlockStaircase, NeighbourOfTheOtherDirDoesNotHoldIt) {
    Actor* upper = nullptr;
    auto w = Staircase(KIND_LBLOCK_1, &upper);
    Steps(*w, 40);
    EXPECT_EQ(upper->y, 112);
    Steps(*w, 4);
    EXPECT_EQ(upper->y, 144);
    EXPECT_EQ(upper->update, LBlockRest);
}

TEST(LBlockStaircase, NeighbourOnTheRaisedSideDoesNotHoldIt) {
    auto w = FloorWorld();
    PlaceBlock(*w, KIND_LBLOCK_0, 0, 144);  // 32 to the left of a dir-0 block
    Actor* upper = PlaceBlock(*w, KIND_LBLOCK_0, 32, 96);
    Steps(*w, 4);
    EXPECT_EQ(upper->y, 144);
}

TEST(LBlockStaircase, AFallingBlockStopsLevelWithASameDirNeighboursTop) {
    auto w = FloorWorld();
    PlaceBlock(*w, KIND_HEAVY_LBLOCK_0, 64, 144);
    Actor* same = PlaceBlock(*w, KIND_LBLOCK_0, 32, 0);
    Steps(*w, 12);
    EXPECT_EQ(same->y, 112);
    EXPECT_EQ(same->update, LBlockRest);

    auto w2 = FloorWorld();
    PlaceBlock(*w2, KIND_LBLOCK_1, 64, 144);
    Actor* other = PlaceBlock(*w2, KIND_LBLOCK_0, 32, 0);
    Steps(*w2, 12);
    EXPECT_EQ(other->y, 144);
}

TEST(LBlockDraw, PictureFollowsLookAndDir) {
    auto w = FloorWorld();
    Actor* light0 = PlaceBlock(*w, KIND_LBLOCK_0, 0, 144);
    Actor* light1 = PlaceBlock(*w, KIND_LBLOCK_1, 32, 144);
    Actor* heavy0 = PlaceBlock(*w, KIND_HEAVY_LBLOCK_0, 64, 144);
    Actor* heavy1 = PlaceBlock(*w, KIND_HEAVY_LBLOCK_1, 96, 144);
    heavy1->dir = 0;  // turned by the player that carried it
    StartDrawRecording();
    for (Actor* b : {light0, light1, heavy0, heavy1}) LBlockDraw(*w, *b);
    StopDrawRecording();
    int count = 0;
    const DrawCall* draws = RecordedDraws(&count);
    ASSERT_EQ(count, 4);
    EXPECT_EQ(draws[0].src, Rect(atlas::kLightBlocks[0]));
    EXPECT_EQ(draws[1].src, Rect(atlas::kLightBlocks[1]));
    EXPECT_EQ(draws[2].src, Rect(atlas::kHeavyBlocks[0]));
    EXPECT_EQ(draws[3].src, Rect(atlas::kHeavyBlocks[0]));
    EXPECT_EQ(draws[1].dest, (Rect{32, 144, 64, 176}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(draws[i].colour, 0xFFFFFFFFu);
}

}  // namespace
}  // namespace q
