#include <gtest/gtest.h>

#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::Repeat;

// Runs the steps one by one and gives the player after each.
std::vector<Actor> Trail(World& w, int steps) {
    std::vector<Actor> out;
    for (int i = 0; i < steps; ++i) {
        test::Steps(w);
        out.push_back(*test::Player(w));
    }
    return out;
}

const std::vector<std::string> kFlatRoom = {
    "..........",
    "....P.....",
    "..........",
    "##########",
};

TEST(PlayerWalk, AStandingPlayerRestsOnTheGroundFacingTheViewer) {
    auto w = test::MakeWorld(kFlatRoom);
    test::Populate(*w);
    test::UseCommands(*w, "");
    test::Steps(*w, 10);
    Actor* p = test::Player(*w);
    EXPECT_EQ(p->x, 64);
    EXPECT_EQ(p->y, 16);
    EXPECT_EQ(p->vy, 4);  // it re-tests the ground every step
    EXPECT_EQ(p->dir, 2);
    EXPECT_EQ(p->frame, 1);
    EXPECT_EQ(p->update, PlayerWalk);
}

TEST(PlayerWalk, TheFirstPressAfterAResetWalksAtOnceOneTileInFourSteps) {
    auto w = test::MakeWorld(kFlatRoom);
    test::Populate(*w);
    test::UseCommands(*w, "R");
    const auto trail = Trail(*w, 6);
    EXPECT_EQ(trail[0].x, 68);
    EXPECT_EQ(trail[0].dir, 0);
    EXPECT_EQ(trail[1].x, 72);
    EXPECT_EQ(trail[2].x, 76);
    EXPECT_EQ(trail[3].x, 80);
    // The key was let go after the first step: the tile is completed, then
    // the player stops on the next column.
    EXPECT_EQ(trail[4].x, 80);
    EXPECT_EQ(trail[5].x, 80);
    EXPECT_EQ(trail[5].frame, 1);
}

TEST(PlayerWalk, TurningAroundTakesFourStepsOnTheSpot) {
    auto w = test::MakeWorld(kFlatRoom);
    test::Populate(*w);
    // One tile left (bytes between columns are never read), then hold Right.
    test::UseCommands(*w, "L..." + Repeat('R', 6));
    const auto trail = Trail(*w, 10);
    EXPECT_EQ(trail[3].x, 48);
    EXPECT_EQ(trail[3].dir, 1);
    for (int i = 4; i < 8; ++i) {
        EXPECT_EQ(trail[i].x, 48) << "step " << i;
        EXPECT_EQ(trail[i].dir, 0) << "step " << i;
        EXPECT_EQ(trail[i].frame, 0) << "step " << i;
    }
    EXPECT_EQ(trail[8].x, 52);
    EXPECT_EQ(w->rightHold, 4);
    EXPECT_EQ(w->leftHold, 0);
}

TEST(PlayerWalk, GarbageCommandBytesLeaveThePlayerStanding) {
    auto w = test::MakeWorld(kFlatRoom);
    test::Populate(*w);
    test::UseCommandBytes(*w, {3, 200, 255, 128, 17, 32});
    const auto trail = Trail(*w, 6);
    for (const Actor& p : trail) {
        EXPECT_EQ(p.x, 64);
        EXPECT_EQ(p.y, 16);
        EXPECT_EQ(p.update, PlayerWalk);
    }
    EXPECT_EQ(trail[1].command, -56);  // bytes are signed
}

TEST(PlayerWalk, AOneTileStepIsHoppedAndATwoTileWallStops) {
    const std::vector<std::string> step = {
        "..........",
        "..........",
        "..........",
        "..P.......",
        ".....#....",
        "##########",
    };
    auto w = test::MakeWorld(step);
    test::Populate(*w);
    test::UseCommands(*w, Repeat('R', 40));
    bool rose = false;
    bool stoodOnStep = false;
    for (int i = 0; i < 40; ++i) {
        test::Steps(*w);
        const Actor& p = *test::Player(*w);
        // Never inside the step's tile (x 80..95, y 64..79).
        const bool inside = p.x + 15 >= 80 && p.x <= 95 && p.y + 31 >= 64 && p.y <= 79;
        ASSERT_FALSE(inside) << "step " << i << " at " << p.x << "," << p.y;
        if (p.vy < 0) rose = true;
        if (p.x == 80 && p.y == 32) stoodOnStep = true;  // on top of the step, on its column
    }
    EXPECT_TRUE(rose);
    EXPECT_TRUE(stoodOnStep);
    // Past the one-tile step it walks off and drops back to the floor.
    EXPECT_EQ(test::Player(*w)->y, 48);
    EXPECT_GT(test::Player(*w)->x, 96);

    auto wall = test::MakeWorld(step);
    test::SetTile(*wall, 5, 3, 31);
    test::Populate(*wall);
    test::UseCommands(*wall, Repeat('R', 40));
    test::Steps(*wall, 40);
    EXPECT_EQ(test::Player(*wall)->x, 64);
    EXPECT_EQ(test::Player(*wall)->y, 48);
}

TEST(PlayerWalk, AHopRisesTwentyFourPixelsInSixStepsThenFalls) {
    auto w = test::MakeWorld({
        "..........",
        "..........",
        "..........",
        "...P#.....",
        "....#.....",
        "##########",
    });
    // A wall two tiles high right beside the player: no hop.
    test::Populate(*w);
    test::UseCommands(*w, "R");
    const auto blocked = Trail(*w, 3);
    for (const Actor& p : blocked) EXPECT_EQ(p.y, 48);

    auto h = test::MakeWorld({
        "..........",
        "..........",
        "..........",
        "...P......",
        "....#.....",
        "##########",
    });
    test::Populate(*h);
    test::UseCommands(*h, "R");
    const auto hop = Trail(*h, 14);
    // Step 0 is blocked and starts the hop; six steps rising 4, then falling 4.
    EXPECT_EQ(hop[0].y, 48);
    EXPECT_EQ(hop[0].fallStep, 0);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(hop[i].y, 48 - 4 * i) << i;
    EXPECT_EQ(hop[7].y, 28);
    EXPECT_EQ(hop[8].y, 32);  // lands on the step
    EXPECT_EQ(hop[13].y, 32);
}

TEST(PlayerWalk, WalkingOffALedgeFallsStraightDownFourPixelsAStep) {
    auto w = test::MakeWorld({
        "P.........",
        "..........",
        "###.......",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "##########",
    });
    test::Populate(*w);
    test::UseCommands(*w, Repeat('R', 12));
    const auto trail = Trail(*w, 40);
    // Over the gap only once wholly past the ledge, at x 48.
    int firstFall = -1;
    for (int i = 0; i < 40; ++i) {
        if (trail[i].y > 0) {
            firstFall = i;
            break;
        }
    }
    ASSERT_GE(firstFall, 1);
    EXPECT_EQ(trail[firstFall - 1].x, 48);
    for (int i = firstFall; i < 40 && trail[i].y < 112; ++i) {
        EXPECT_EQ(trail[i].y - trail[i - 1].y, 4) << i;
        EXPECT_EQ(trail[i].x, 48) << i;
    }
    EXPECT_EQ(trail.back().y, 112);
    EXPECT_EQ(trail.back().x, 48);
}

TEST(PlayerWalk, ABumpedHeadEndsTheRise) {
    auto w = test::MakeWorld({
        "..........",
        "..........",
        "...#......",
        "..P.......",
        "...#......",
        "##########",
    });
    test::Populate(*w);
    test::UseCommands(*w, "R");
    test::Steps(*w, 12);
    const Actor& p = *test::Player(*w);
    // Headroom is blocked by the tile at row 2, so the player never hops.
    EXPECT_EQ(p.y, 48);
    EXPECT_EQ(p.x, 32);
}

TEST(PlayerWalk, TheViewIsAskedToFollowThePlayer) {
    auto w = test::MakeEmptyWorld(40);
    test::PlacePlayer(*w, 0, 330);
    test::UseCommands(*w, "");
    test::Steps(*w);
    EXPECT_EQ(w->scrollRequest, 1);
    auto up = test::MakeEmptyWorld(40);
    test::PlacePlayer(*up, 0, 100);
    up->scrollRequest = 0;
    for (int x = 0; x < 640; x += 16) test::SetTile(*up, x / 16, 8, 31);
    test::UseCommands(*up, "");
    test::Steps(*up);
    EXPECT_EQ(up->scrollRequest, 2);
}

TEST(PlayerCrushed, ACrushedPlayerIsFlatFailsTheFloorAndKeepsItsState) {
    auto w = test::MakeWorld(kFlatRoom);
    test::Populate(*w);
    Actor* p = test::Player(*w);
    p->update = PlayerCrushed;
    test::UseCommands(*w, "RRRR");
    test::Steps(*w);
    EXPECT_EQ(p->width, 48);
    EXPECT_EQ(p->height, 8);
    EXPECT_EQ(w->playResult, PLAY_RESULT_FAILED);
    SetPlayerHandler(*w, PlayerWalk);
    EXPECT_EQ(p->update, PlayerCrushed);
    test::Steps(*w, 3);
    EXPECT_EQ(p->x, 64);
}

TEST(PlayerFrozen, AFrozenPlayerNeitherMovesNorFalls) {
    auto w = test::MakeEmptyWorld(20);
    Actor* p = test::PlacePlayer(*w, 32, 32);
    p->update = PlayerFrozen;
    p->vx = 4;
    test::UseCommands(*w, "RRRR");
    test::Steps(*w, 5);
    EXPECT_EQ(p->x, 32);
    EXPECT_EQ(p->y, 32);
    EXPECT_EQ(p->vx, 0);
    EXPECT_EQ(p->fallStep, 6);
    SetPlayerHandler(*w, PlayerWalk);
    EXPECT_EQ(p->update, PlayerWalk);
}

}  // namespace
}  // namespace q
