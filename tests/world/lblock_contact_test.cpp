// What a falling or rising L-block does to the player and the creatures.
#include <gtest/gtest.h>

#include "world/handlers.hpp"
#include "world/lblock.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::MakeWorld;
using test::PlaceActor;
using test::PlaceBlock;
using test::PlacePlayer;
using test::Steps;

std::unique_ptr<World> FloorAtRow(int row, int rows = 12) {
    std::vector<std::string> r(rows);
    r[row] = std::string(40, '#');
    return MakeWorld(r);
}

TEST(LBlockContact, ABlockFallingOnAStandingPlayerCrushesIt) {
    auto w = FloorAtRow(10);
    Actor* player = PlacePlayer(*w, 64, 128);
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_1, 64, 64);
    Steps(*w, 2);
    EXPECT_EQ(player->update, PlayerWalk);  // the block's bottom is one pixel above the head
    Steps(*w);
    EXPECT_EQ(block->y, 112);
    EXPECT_EQ(player->update, PlayerCrushed);
    Steps(*w);
    EXPECT_EQ(w->playResult, PLAY_RESULT_FAILED);
    EXPECT_EQ(player->width, 48);
    EXPECT_EQ(player->height, 8);
}

TEST(LBlockContact, ABlockFallingOnAPlayerInMidAirPushesItDown) {
    auto w = FloorAtRow(28, 30);
    Actor* player = PlacePlayer(*w, 64, 96);
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_0, 64, 32);
    Steps(*w, 2);
    EXPECT_EQ(player->y, 104);  // falling 4 a step, not touched yet
    Steps(*w);
    EXPECT_EQ(block->y, 80);
    EXPECT_EQ(player->y, 112);  // right under the block
    EXPECT_EQ(player->vy, 16);
    EXPECT_EQ(player->update, PlayerWalk);
    EXPECT_EQ(w->playResult, PLAY_RESULT_PLAYING);
}

TEST(LBlockContact, ABlockBesideThePlayerFallsPastIt) {
    auto w = FloorAtRow(10);
    Actor* player = PlacePlayer(*w, 64, 128);
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_0, 80, 0);
    Steps(*w, 10);
    EXPECT_EQ(block->y, 128);
    EXPECT_EQ(player->y, 128);
    EXPECT_EQ(player->update, PlayerWalk);
}

TEST(LBlockContact, OneCreatureIsSquashedPerStepFirstInListOrder) {
    auto w = FloorAtRow(10);
    Actor* first = PlaceActor(*w, KIND_BUILDER, 64, 128, BuilderInit);
    Actor* second = PlaceActor(*w, KIND_BUILDER, 80, 128, BuilderInit);
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_0, 64, 32);
    Steps(*w, 4);
    EXPECT_EQ(first->update, BuilderWalk);
    w->soundRequests = 0;
    Steps(*w);
    ASSERT_EQ(block->y, 112);
    EXPECT_EQ(first->update, Squashed);
    EXPECT_EQ(second->update, BuilderWalk);
    EXPECT_TRUE(w->soundRequests & (1u << 3));
    // Flat along the floor from its old bottom edge, 48 pixels wide.
    EXPECT_EQ(first->y, 160);
    EXPECT_EQ(first->width, 48);
    EXPECT_EQ(first->height, 8);
    Steps(*w);
    EXPECT_EQ(second->update, Squashed);
}

TEST(LBlockContact, ASquashedCreatureLiesFlatFiftyOneStepsThenLeaves) {
    auto w = FloorAtRow(10);
    Actor* builder = PlaceActor(*w, KIND_BUILDER, 64, 128, BuilderInit);
    PlaceBlock(*w, KIND_LBLOCK_0, 64, 32);
    Steps(*w, 5);
    ASSERT_EQ(builder->update, Squashed);
    const int x = builder->x;
    Steps(*w, 49);
    EXPECT_EQ(builder->alive, 1);
    Steps(*w);
    EXPECT_EQ(builder->alive, 0);  // its 51st step
    EXPECT_EQ(builder->x, x);
    EXPECT_EQ(test::ActorsOfKind(*w, KIND_BUILDER).size(), 1u);
    Steps(*w);
    EXPECT_TRUE(test::ActorsOfKind(*w, KIND_BUILDER).empty());
}

TEST(LBlockContact, TheQuartersNotTheBoxDecideWhetherACreatureIsSquashed) {
    auto w = FloorAtRow(10);
    Actor* builder = PlaceActor(*w, KIND_BUILDER, 80, 128, BuilderInit);
    Actor block{};
    block.kind = KIND_LBLOCK_0;
    block.x = 64;
    block.y = 144;  // the builder's legs stand in the notch (top-right quarter)
    block.width = block.height = 32;
    block.dir = 0;
    SquashCreatures(*w, block);
    EXPECT_EQ(builder->update, BuilderWalk);
    block.y = 143;  // now the lower half shares a pixel row with its feet
    SquashCreatures(*w, block);
    EXPECT_EQ(builder->update, Squashed);
}

TEST(LBlockContact, OneChaserIsLiftedPerStepOntoTheQuarterItOverlaps) {
    auto w = FloorAtRow(10);
    PlacePlayer(*w, 400, 128);
    Actor* first = PlaceActor(*w, KIND_CHASER, 64, 80, ChaserInit);
    Actor* second = PlaceActor(*w, KIND_CHASER, 72, 80, ChaserInit);
    ASSERT_TRUE(first && second);
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_0, 64, 100);
    LiftCreatures(*w, *block);
    EXPECT_EQ(first->y, 68);  // standing on the raised quarter
    EXPECT_EQ(second->y, 80);
    LiftCreatures(*w, *block);
    EXPECT_EQ(second->y, 68);
}

TEST(LBlockContact, ALiftedChaserInTheNotchStandsOnTheLowerHalf) {
    auto w = FloorAtRow(10);
    PlacePlayer(*w, 400, 128);
    Actor* chaser = PlaceActor(*w, KIND_CHASER, 80, 90, ChaserInit);
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_0, 64, 100);
    LiftCreatures(*w, *block);
    EXPECT_EQ(chaser->y, 116 - 32);
}

TEST(LBlockContact, BuildersAreNotLifted) {
    auto w = FloorAtRow(10);
    Actor* builder = PlaceActor(*w, KIND_BUILDER, 64, 80, BuilderInit);
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_0, 64, 100);
    LiftCreatures(*w, *block);
    EXPECT_EQ(builder->y, 80);
}

TEST(LBlockContact, ARisingBlockCarriesAChaserStandingOnIt) {
    auto w = FloorAtRow(10);
    Actor* player = PlacePlayer(*w, 64, 128);
    player->dir = 0;
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_1, 80, 128);
    Steps(*w);
    // A chaser standing on the raised right quarter.
    Actor* chaser = PlaceActor(*w, KIND_CHASER, 96, 96, ChaserInit);
    ASSERT_NE(chaser, nullptr);
    test::UseCommands(*w, "A");
    for (int step = 1; step <= 4; ++step) {
        Steps(*w);
        ASSERT_EQ(block->update, LBlockLift);
        EXPECT_EQ(block->y, 128 - 8 * step);
        // Put back on top of the block, then its own step lets it sink 4
        // pixels, as the grid still shows the block where the step began.
        EXPECT_EQ(chaser->y, block->y - 28) << "step " << step;
    }
}

}  // namespace
}  // namespace q
