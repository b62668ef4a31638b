#include <gtest/gtest.h>

#include <memory>

#include "platform/core/atlas_layout.hpp"
#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"
#include "world/character_sets.hpp"
#include "world/handlers.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::Repeat;

constexpr Rect kCleared = atlas::kClearedBubble;
constexpr Rect kFailed = atlas::kFailedBubble;
constexpr Rect kSleeping = atlas::kSleepingBubble;

std::vector<DrawCall> Draw(World& w) {
    StartDrawRecording();
    DrawActors(w);
    int n = 0;
    const DrawCall* calls = RecordedDraws(&n);
    std::vector<DrawCall> out(calls, calls + n);
    StopDrawRecording();
    ClearRecordedDraws();
    return out;
}

bool Drew(const std::vector<DrawCall>& calls, const Rect& src) {
    for (const DrawCall& c : calls)
        if (c.src == src) return true;
    return false;
}

const std::vector<std::string> kExitRoom = {
    "..........",
    ".P...E....",
    "..........",
    "##########",
};

TEST(FrameRulesExit, WalkingAcrossAnExitClearsTheFloorOnItsColumn) {
    auto w = test::MakeWorld(kExitRoom);
    test::Populate(*w);
    test::UseCommands(*w, Repeat('R', 40));
    const int steps = test::PlaySteps(*w, 40);
    Actor* p = test::Player(*w);
    EXPECT_LT(steps, 40);
    EXPECT_EQ(w->playResult, PLAY_RESULT_CLEARED);
    EXPECT_EQ(p->x, 80);
    EXPECT_EQ(p->dir, 2);
    EXPECT_EQ(p->frame, 0);
    EXPECT_EQ(p->update, PlayerFrozen);
    EXPECT_TRUE(w->soundRequests & (1u << 4));  // character 0's jingle
}

TEST(FrameRulesExit, BetweenColumnsIsNotAGridPoint) {
    auto w = test::MakeWorld(kExitRoom);
    test::Populate(*w);
    Actor* p = test::Player(*w);
    test::UseCommands(*w, "");
    test::Steps(*w);
    p->x = 84;  // overlapping the exit cell, off the grid
    ApplyFrameRules(*w);
    EXPECT_EQ(w->playResult, PLAY_RESULT_PLAYING);
    p->x = 80;
    // The frame that shows the player in the exit shows the cleared bubble
    // but leaves the world alone; the frame rules after it clear the floor.
    const auto before = std::make_unique<World>(*w);
    EXPECT_TRUE(Drew(Draw(*w), kCleared));
    EXPECT_TRUE(test::SameWorld(*before, *w));
    ApplyFrameRules(*w);  // no logic step needed: the rules run once a frame
    EXPECT_EQ(w->playResult, PLAY_RESULT_CLEARED);
    EXPECT_EQ(p->update, PlayerFrozen);
}

TEST(FrameRulesExit, OnlyAWalkingPlayerStandingOnSomethingClears) {
    auto w = test::MakeWorld(kExitRoom);
    test::Populate(*w);
    Actor* p = test::Player(*w);
    test::UseCommands(*w, "");
    test::Steps(*w);
    p->x = 80;
    for (ActorHandler h : {PlayerClimb, PlayerCarry, PlayerFrozen}) {
        p->update = h;
        ApplyFrameRules(*w);
        EXPECT_EQ(w->playResult, PLAY_RESULT_PLAYING) << HandlerName(h);
    }
    p->update = PlayerWalk;
    p->vy = -4;  // rising in a hop
    ApplyFrameRules(*w);
    EXPECT_EQ(w->playResult, PLAY_RESULT_PLAYING);
    p->vy = 4;
    test::SetTile(*w, 5, 3, 23);  // no firm ground under the feet
    ApplyFrameRules(*w);
    EXPECT_EQ(w->playResult, PLAY_RESULT_PLAYING);
    test::SetTile(*w, 5, 3, 24);  // a ladder top will do
    ApplyFrameRules(*w);
    EXPECT_EQ(w->playResult, PLAY_RESULT_CLEARED);
}

TEST(FrameRulesExit, AnLBlockUnderTheFeetIsSupport) {
    auto w = test::MakeWorld({
        "..........",
        "..........",
        ".....E....",
        "..........",
        "..........",
        "..........",
    });
    Actor* p = test::PlacePlayer(*w, 80, 32);
    p->vy = 4;
    ApplyFrameRules(*w);
    EXPECT_EQ(w->playResult, PLAY_RESULT_PLAYING);
    PaintLBlockCells(*w, 80, 64, 0, 1);
    ApplyFrameRules(*w);
    EXPECT_EQ(w->playResult, PLAY_RESULT_CLEARED);
}

TEST(FrameRulesExit, TheExitMustBeInTheCellOfTheUpperHalf) {
    auto w = test::MakeWorld({
        "..........",
        "..........",
        ".....E....",
        "##########",
    });
    Actor* p = test::PlacePlayer(*w, 80, 16);
    p->vy = 4;
    ApplyFrameRules(*w);
    EXPECT_EQ(w->playResult, PLAY_RESULT_PLAYING);
}

TEST(PlayerDrawBubble, ResultAndSleepBubblesSitAboveTheHead) {
    auto w = test::MakeEmptyWorld(10);
    Actor* p = test::PlacePlayer(*w, 100, 64);
    auto calls = Draw(*w);
    ASSERT_EQ(calls.size(), 1u);  // the character alone
    EXPECT_EQ(calls[0].dest, (Rect{100, 64, 116, 96}));

    w->idleFrames = 400;
    w->playResult = PLAY_RESULT_CLEARED;
    calls = Draw(*w);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].src, kSleeping);
    EXPECT_EQ(calls[1].dest, (Rect{92, 32, 124, 64}));
    EXPECT_EQ(calls[2].src, kCleared);

    // A flattened player's bubble is centred over the wide box.
    w->idleFrames = 0;
    w->playResult = PLAY_RESULT_FAILED;
    p->width = 48;
    p->height = 8;
    calls = Draw(*w);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].dest, (Rect{100, 64, 148, 72}));
    EXPECT_EQ(calls[1].src, kFailed);
    EXPECT_EQ(calls[1].dest, (Rect{108, 32, 140, 64}));
    EXPECT_FALSE(Drew(calls, kSleeping));
}

TEST(PlayerDrawBubble, ThePlayerIsDrawnWithItsCharactersPicture) {
    auto w = test::MakeEmptyWorld(10);
    Actor* p = test::PlacePlayer(*w, 0, 0);
    p->dir = 1;
    p->frame = 6;
    w->character = 2;
    const auto calls = Draw(*w);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].src, CharacterSets[2].frames[1][6]);
    EXPECT_EQ(calls[0].src, Rect(atlas::Pose(2, 1, 2)));
}

TEST(PlayerIdle, StandingStillPlaysTheSleepSoundOnceThenShowsTheBubble) {
    auto w = test::MakeWorld({
        "..........",
        ".P........",
        "..........",
        "##########",
    });
    test::Populate(*w);
    test::UseCommands(*w, "");
    int soundAt = -1;
    int sounds = 0;
    for (int i = 1; i <= 600; ++i) {
        w->soundRequests = 0;
        test::Steps(*w);
        if (w->soundRequests & (1u << 7)) {
            ++sounds;
            if (soundAt < 0) soundAt = i;
        }
        if (i == 399) {
            EXPECT_FALSE(Drew(Draw(*w), kSleeping));
        }
        if (i == 400) {
            EXPECT_TRUE(Drew(Draw(*w), kSleeping));
        }
    }
    EXPECT_EQ(sounds, 1);
    EXPECT_EQ(soundAt, 399);
    EXPECT_EQ(w->idleFrames, 400);
}

TEST(PlayerIdle, ACommandOrAMoveWakesThePlayer) {
    auto w = test::MakeWorld({
        "..........",
        ".P........",
        "..........",
        "##########",
    });
    test::Populate(*w);
    test::UseCommands(*w, Repeat('.', 450) + "D" + Repeat('.', 10));
    test::Steps(*w, 450);
    EXPECT_EQ(w->idleFrames, 400);
    test::Steps(*w);  // Down on plain ground: no move, but a command
    EXPECT_EQ(w->idleFrames, 0);
    test::Steps(*w, 3);
    EXPECT_EQ(w->idleFrames, 3);
}

}  // namespace
}  // namespace q
