#include <gtest/gtest.h>

#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::Repeat;

TEST(PlayStep, ResetPlayStateStartsAnAttemptAfresh) {
    auto w = test::MakeEmptyWorld(4);
    w->playResult = 1;
    w->scrollRequest = 2;
    w->replayPos = 17;
    w->rightHold = 0;
    w->leftHold = 2;
    w->idleFrames = 400;
    ResetAttempt(*w);
    EXPECT_EQ(w->playResult, PLAY_RESULT_PLAYING);
    EXPECT_EQ(w->scrollRequest, 0);
    EXPECT_EQ(w->replayPos, 0);
    EXPECT_EQ(w->rightHold, 4);
    EXPECT_EQ(w->leftHold, 4);
    EXPECT_EQ(w->idleFrames, 0);
}

TEST(PlayStep, TheViewFollowsAFallingPlayerDownAndKeepsWorldPositions) {
    // 60 rows; a shaft down the left side.
    std::vector<std::string> rows(60, "#.########");
    rows[0] = "#P........";
    rows[59] = "##########";
    auto w = test::MakeWorld(rows);
    test::Populate(*w);
    Actor* pickup = test::SpawnKind(*w, KIND_PICKUP, 5, 0);
    ASSERT_NE(pickup, nullptr);
    test::UseCommands(*w, "");
    int lastWorldY = test::WorldY(*w, *test::Player(*w));
    for (int i = 0; i < 400; ++i) {
        test::PlaySteps(*w);
        const Actor& p = *test::Player(*w);
        const int worldY = test::WorldY(*w, p);
        ASSERT_GE(worldY, lastWorldY);
        ASSERT_LE(worldY - lastWorldY, 4);
        ASSERT_EQ(test::WorldY(*w, *pickup), 0);  // still where it was placed
        ASSERT_EQ(w->scrollY % 4, 0);
        lastWorldY = worldY;
    }
    // Landed on the bottom floor; the view stops with the bottom row below it.
    EXPECT_EQ(lastWorldY, 57 * 16);
    EXPECT_EQ(w->scrollY >> 4, 60 - 31);
}

TEST(PlayStep, ScrollingUpStopsBelowOneRow) {
    auto w = test::MakeEmptyWorld(60, 40);
    Actor* a = test::PlaceActor(*w, KIND_PICKUP, 0, 100, [](World&, Actor& b, int x, int y, int) {
        return InitActorBox(b, x, y, 16, 16, nullptr, nullptr);
    });
    for (int i = 0; i < 20; ++i) {
        w->scrollRequest = 2;
        ApplyScroll(*w);
        ShiftActorsForScroll(*w);
    }
    EXPECT_EQ(w->scrollY, 12);
    EXPECT_EQ(a->y, 128);
    EXPECT_EQ(w->scrollRequest, 0);
}

TEST(PlayStep, TheViewDoesNotMoveDownWhileThePlayerRises) {
    auto w = test::MakeEmptyWorld(60, 0);
    Actor* p = test::PlacePlayer(*w, 0, 400);
    p->vy = -4;
    w->scrollRequest = 1;
    EXPECT_EQ(PlayerFallSpeed(*w), 0);
    ApplyScroll(*w);
    ShiftActorsForScroll(*w);
    EXPECT_EQ(w->scrollY, 0);
    EXPECT_EQ(p->y, 400);
    p->vy = 4;
    ApplyScroll(*w);
    ShiftActorsForScroll(*w);
    EXPECT_EQ(w->scrollY, 4);
    EXPECT_EQ(p->y, 396);
}

TEST(PlayStep, NoPlayerMeansNoFallSpeed) {
    auto w = test::MakeEmptyWorld(60, 0);
    EXPECT_EQ(PlayerFallSpeed(*w), 0);
}

TEST(PlayStep, AResultRequestsItsSound) {
    auto w = test::MakeEmptyWorld(4);
    EXPECT_FALSE(CheckPlayResult(*w));
    EXPECT_EQ(w->soundRequests, 0u);
    // Each character has its own jingle, and only clearing plays it.
    const SoundEffect jingles[3] = {SE_CLEAR_FIRST, SE_CLEAR_SECOND, SE_CLEAR_THIRD};
    for (int c = 0; c < 3; ++c) {
        w->soundRequests = 0;
        w->character = c;
        w->playResult = PLAY_RESULT_CLEARED;
        EXPECT_TRUE(CheckPlayResult(*w));
        EXPECT_EQ(w->soundRequests, 1u << jingles[c]);
        EXPECT_EQ(ClearJingle(c), jingles[c]);
    }
    w->soundRequests = 0;
    w->playResult = PLAY_RESULT_FAILED;
    EXPECT_TRUE(CheckPlayResult(*w));
    EXPECT_EQ(w->soundRequests, 1u << SE_FLOOR_FAILED);
}

}  // namespace
}  // namespace q
