// Lifting an L-block over the player's head: where the player must stand,
// the moves of a lift, and a lift that is blocked.
#include <gtest/gtest.h>

#include "world/handlers.hpp"
#include "world/lblock.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::MakeWorld;
using test::PlaceBlock;
using test::PlacePlayer;
using test::Steps;

using test::BlockAt;
using test::Trace;

// The player stands at (64, 128) on a floor at row 10, facing right; the rows
// given add the terrain around the block.
std::unique_ptr<World> LiftWorld(std::vector<std::string> rows, Actor** player) {
    rows.resize(12);
    if (rows[10].empty()) rows[10] = std::string(40, '#');
    auto w = MakeWorld(rows);
    *player = PlacePlayer(*w, 64, 128);
    (*player)->dir = 0;
    return w;
}

// One quiet step for the block to settle, then Action.
void SettleAndGrab(World& w) {
    test::UseCommands(w, ".A");
    Steps(w);
}

TEST(LBlockLift, FromLevelGroundFourStepsUpOneStillTwoSidewaysThenCarried) {
    Actor* player = nullptr;
    auto w = LiftWorld({}, &player);
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_0, 80, 128);
    SettleAndGrab(*w);
    ASSERT_EQ(block->update, LBlockRest);
    w->soundRequests = 0;
    const std::vector<BlockAt> expected = {
        {80, 120, LBlockLift},    {80, 112, LBlockLift},    {80, 104, LBlockLift}, {80, 96, LBlockLift},
        {80, 96, LBlockShiftIn},  {72, 96, LBlockShiftIn},  {64, 96, LBlockCarried},
        {64, 96, LBlockCarried},
    };
    EXPECT_EQ(Trace(*w, *block, 1), std::vector<BlockAt>(expected.begin(), expected.begin() + 1));
    EXPECT_EQ(player->update, PlayerFrozen);
    EXPECT_TRUE(w->soundRequests & (1u << 5));
    EXPECT_EQ(w->liftOriginX, 80);
    EXPECT_EQ(w->liftOriginY, 128);
    EXPECT_EQ(Trace(*w, *block, 5), std::vector<BlockAt>(expected.begin() + 1, expected.begin() + 6));
    EXPECT_EQ(player->update, PlayerFrozen);
    EXPECT_EQ(w->heldActor, kNoActor);
    EXPECT_EQ(Trace(*w, *block, 1), std::vector<BlockAt>(expected.begin() + 6, expected.begin() + 7));
    EXPECT_EQ(player->update, PlayerCarry);
    EXPECT_EQ(w->heldActor, w->IndexOf(*block));
    EXPECT_EQ(Trace(*w, *block, 1), std::vector<BlockAt>(expected.begin() + 7, expected.end()));
    EXPECT_EQ(player->x, 64);
    EXPECT_EQ(player->y, 128);
}

TEST(LBlockLift, FromAStepHigherTwoStepsUp) {
    Actor* player = nullptr;
    auto w = LiftWorld({"", "", "", "", "", "", "", "", "", ".....##"}, &player);
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_0, 80, 112);
    SettleAndGrab(*w);
    ASSERT_EQ(block->update, LBlockRest);
    const std::vector<BlockAt> expected = {
        {80, 104, LBlockLift}, {80, 96, LBlockLift}, {80, 96, LBlockShiftIn},
        {72, 96, LBlockShiftIn}, {64, 96, LBlockCarried},
    };
    EXPECT_EQ(Trace(*w, *block, 5), expected);
    EXPECT_EQ(player->update, PlayerCarry);
}

TEST(LBlockLift, FromAStepLowerSixStepsUpWhenTheRaisedQuarterIsNear) {
    Actor* player = nullptr;
    std::vector<std::string> rows(12);
    rows[10] = "....#";
    rows[11] = std::string(40, '#');
    auto w = LiftWorld(rows, &player);
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_0, 80, 144);
    SettleAndGrab(*w);
    ASSERT_EQ(block->update, LBlockRest);
    const std::vector<BlockAt> expected = {
        {80, 136, LBlockLift},   {80, 128, LBlockLift},   {80, 120, LBlockLift},     {80, 112, LBlockLift},
        {80, 104, LBlockLift},   {80, 96, LBlockLift},    {80, 96, LBlockShiftIn},   {72, 96, LBlockShiftIn},
        {64, 96, LBlockCarried},
    };
    EXPECT_EQ(Trace(*w, *block, 9), expected);
    EXPECT_EQ(player->update, PlayerCarry);
}

TEST(LBlockLift, ABlockLowerWithItsNotchNearCannotBeTaken) {
    Actor* player = nullptr;
    std::vector<std::string> rows(12);
    rows[10] = "....#";
    rows[11] = std::string(40, '#');
    auto w = LiftWorld(rows, &player);
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_1, 80, 144);
    SettleAndGrab(*w);
    Steps(*w, 3);
    EXPECT_EQ(block->update, LBlockRest);
    EXPECT_EQ(block->y, 144);
    EXPECT_EQ(player->update, PlayerWalk);
}

TEST(LBlockLift, UnderALowCeilingTheBlockGoesBackAndFallsAndThePlayerWalksOn) {
    Actor* player = nullptr;
    auto w = LiftWorld({"", "", "", "", "", "", ".....##"}, &player);
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_0, 80, 128);
    SettleAndGrab(*w);
    const std::vector<BlockAt> expected = {
        {80, 120, LBlockLift},
        {80, 112, LBlockLift},
        {80, 128, LBlockFall},  // the third move reaches into the ceiling
        {80, 128, LBlockRest},
    };
    EXPECT_EQ(Trace(*w, *block, 3), std::vector<BlockAt>(expected.begin(), expected.begin() + 3));
    EXPECT_EQ(player->update, PlayerWalk);
    EXPECT_EQ(Trace(*w, *block, 1), std::vector<BlockAt>(expected.begin() + 3, expected.end()));
    EXPECT_EQ(w->heldActor, kNoActor);
}

TEST(LBlockLift, ABlockWithAnotherInItsNotchCannotBeLifted) {
    Actor* player = nullptr;
    auto w = LiftWorld({}, &player);
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_0, 80, 128);
    Actor* onTop = PlaceBlock(*w, KIND_LBLOCK_0, 96, 112);
    Steps(*w, 2);
    ASSERT_EQ(onTop->update, LBlockRest);
    ASSERT_EQ(onTop->y, 112);
    w->soundRequests = 0;
    test::UseCommands(*w, "A");
    Steps(*w, 3);
    EXPECT_EQ(block->update, LBlockRest);
    EXPECT_EQ(block->y, 128);
    EXPECT_EQ(player->update, PlayerWalk);
    EXPECT_FALSE(w->soundRequests & (1u << 5));
}

// A block standing at (116, 128) on the floor, and a player at x facing dir.
struct GrabCase {
    int playerX;
    int playerDir;
    bool grabbed;
};

TEST(LBlockGrab, PlayerMustTouchTheBlocksSideAndFaceIt) {
    for (const GrabCase c : {GrabCase{100, 0, true}, GrabCase{148, 1, true}, GrabCase{147, 1, false},
                             GrabCase{101, 0, false}, GrabCase{100, 1, false}, GrabCase{148, 0, false},
                             GrabCase{100, 2, false}, GrabCase{148, 3, false}}) {
        SCOPED_TRACE(testing::Message() << "player x " << c.playerX << " dir " << c.playerDir);
        std::vector<std::string> rows(12);
        rows[10] = std::string(40, '#');
        auto w = MakeWorld(rows);
        Actor* player = PlacePlayer(*w, c.playerX, 128);
        Actor* block = PlaceBlock(*w, KIND_LBLOCK_0, 116, 128);
        Steps(*w);
        ASSERT_EQ(block->update, LBlockRest);
        player->dir = c.playerDir;
        w->soundRequests = 0;
        TryGrabLBlock(*w, *player);
        EXPECT_EQ(block->update == LBlockLift, c.grabbed);
        EXPECT_EQ(player->update == PlayerFrozen, c.grabbed);
        EXPECT_EQ((w->soundRequests & (1u << 5)) != 0, c.grabbed);
        if (c.grabbed) {
            EXPECT_EQ(w->liftOriginX, 116);
            EXPECT_EQ(w->liftOriginY, 128);
        }
    }
}

TEST(LBlockGrab, HeightsThatMatchDependOnWhichQuarterIsNear) {
    Actor player{};
    Actor block{};
    block.x = 100;
    block.y = 100;
    auto matches = [&](int playerDir, int blockDir, int dx, int dy) {
        player.dir = playerDir;
        block.dir = blockDir;
        player.x = block.x + dx;
        player.y = block.y + dy;
        return GrabPositionMatches(player, block);
    };
    for (int dy : {0, 16, -16}) {
        EXPECT_EQ(matches(1, 1, 32, dy), 1) << dy;
        EXPECT_EQ(matches(0, 0, -16, dy), 1) << dy;
    }
    for (int dy : {0, 16}) {
        EXPECT_EQ(matches(1, 0, 32, dy), 1) << dy;
        EXPECT_EQ(matches(0, 1, -16, dy), 1) << dy;
    }
    EXPECT_EQ(matches(1, 0, 32, -16), 0);
    EXPECT_EQ(matches(0, 1, -16, -16), 0);
    EXPECT_EQ(matches(1, 1, 32, 8), 0);
    EXPECT_EQ(matches(1, 1, 32, 32), 0);
    EXPECT_EQ(matches(0, 0, -32, 0), 0);
    EXPECT_EQ(matches(1, 1, 16, 0), 0);
}

TEST(LBlockGrab, OnlyARestingBlockIsTaken) {
    std::vector<std::string> rows(12);
    rows[10] = std::string(40, '#');
    auto w = MakeWorld(rows);
    Actor* player = PlacePlayer(*w, 64, 128);
    player->dir = 0;
    Actor* block = PlaceBlock(*w, KIND_LBLOCK_0, 80, 128);  // not yet landed
    TryGrabLBlock(*w, *player);
    EXPECT_EQ(block->update, LBlockFall);
    EXPECT_EQ(player->update, PlayerWalk);
}

}  // namespace
}  // namespace q
