#include <gtest/gtest.h>

#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::Repeat;

// A ladder in column 3 from the lower floor up through the upper floor,
// whose top tile gives footing.
const std::vector<std::string> kLadderRoom = {
    "..........",
    "..........",
    "..........",
    "###h######",
    "...H......",
    "...H......",
    ".P.H......",
    "...H......",
    "##########",
};

TEST(PlayerLadder, StandingInTheLadderColumnStartsClimbing) {
    auto w = test::MakeWorld(kLadderRoom);
    test::Populate(*w);
    test::UseCommands(*w, "RRRRRRRR");
    test::Steps(*w, 8);
    Actor* p = test::Player(*w);
    EXPECT_EQ(p->x, 48);
    EXPECT_EQ(p->update, PlayerClimb);
    EXPECT_EQ(p->fallStep, 6);
}

TEST(PlayerLadder, ClimbingUpFourPixelsAStepAndOffAtTheTop) {
    auto w = test::MakeWorld(kLadderRoom);
    test::Populate(*w);
    test::UseCommands(*w, "R...R..." + Repeat('U', 40));
    test::Steps(*w, 8);
    Actor* p = test::Player(*w);
    ASSERT_EQ(p->update, PlayerClimb);
    ASSERT_EQ(p->y, 96);
    int y = p->y;
    int steps = 0;
    while (p->update == PlayerClimb && steps < 40) {
        test::Steps(*w);
        ++steps;
        EXPECT_EQ(p->y, y - 4);
        EXPECT_EQ(p->x, 48);
        y = p->y;
    }
    // From y 96 to 16, where the box no longer touches a ladder tile.
    EXPECT_EQ(steps, 20);
    EXPECT_EQ(p->y, 16);
    EXPECT_EQ(p->update, PlayerWalk);
    test::Steps(*w, 3);
    EXPECT_EQ(p->y, 16);  // standing on the ladder's top tile
    EXPECT_EQ(w->rightHold, 4);
    EXPECT_EQ(w->leftHold, 4);
}

TEST(PlayerLadder, TheClimbingPictureShowsAwayFromFooting) {
    auto w = test::MakeWorld(kLadderRoom);
    test::Populate(*w);
    test::UseCommands(*w, "R...R..." + Repeat('U', 4));
    test::Steps(*w, 12);
    EXPECT_EQ(test::Player(*w)->dir, 3);
}

TEST(PlayerLadder, ClimbingStopsWhereTheCommandStops) {
    auto w = test::MakeWorld(kLadderRoom);
    test::Populate(*w);
    test::UseCommands(*w, "R...R...UUU");
    test::Steps(*w, 20);
    Actor* p = test::Player(*w);
    EXPECT_EQ(p->y, 84);  // off the tile grid, hanging on
    EXPECT_EQ(p->update, PlayerClimb);
    EXPECT_EQ(p->frame, 0);
}

TEST(PlayerLadder, DownOverALadderTopClimbsDownThroughIt) {
    auto w = test::MakeWorld({
        "..........",
        "...P......",
        "..........",
        "###h######",
        "...H......",
        "...H......",
        "...H......",
        "...H......",
        "##########",
    });
    test::Populate(*w);
    test::UseCommands(*w, ".D" + Repeat('D', 30));
    test::Steps(*w);
    Actor* p = test::Player(*w);
    EXPECT_EQ(p->update, PlayerWalk);  // standing on the top tile is not climbing
    test::Steps(*w);
    EXPECT_EQ(p->update, PlayerClimb);
    EXPECT_EQ(p->y, 16);
    test::Steps(*w, 5);
    EXPECT_EQ(p->y, 36);
    test::Steps(*w, 30);
    EXPECT_EQ(p->y, 96);  // at the bottom, stopped by the floor (31)
    EXPECT_EQ(p->update, PlayerClimb);
}

TEST(PlayerLadder, WalkingAcrossALadderTopDoesNotClimb) {
    auto w = test::MakeWorld({
        "..........",
        ".P........",
        "..........",
        "###h######",
        "...H......",
        "##########",
    });
    test::Populate(*w);
    test::UseCommands(*w, Repeat('R', 20));
    for (int i = 0; i < 20; ++i) {
        test::Steps(*w);
        ASSERT_EQ(test::Player(*w)->update, PlayerWalk) << i;
        ASSERT_EQ(test::Player(*w)->y, 16) << i;
    }
}

TEST(PlayerLadder, SteppingSidewaysOffALadderWalksAgain) {
    auto w = test::MakeWorld(kLadderRoom);
    test::Populate(*w);
    test::UseCommands(*w, "R...R...R");
    test::Steps(*w, 9);
    Actor* p = test::Player(*w);
    EXPECT_EQ(p->x, 52);
    EXPECT_EQ(p->update, PlayerClimb);
    test::Steps(*w, 2);
    EXPECT_EQ(p->x, 60);
    EXPECT_EQ(p->update, PlayerClimb);
    test::Steps(*w);
    EXPECT_EQ(p->x, 64);
    EXPECT_EQ(p->update, PlayerWalk);
}

TEST(PlayerLadder, ASolidTileEndsTheClimbUpward) {
    auto w = test::MakeWorld({
        "..........",
        "...#......",
        "...H......",
        "...H......",
        ".P.H......",
        "...H......",
        "##########",
    });
    test::Populate(*w);
    test::UseCommands(*w, "R...R..." + Repeat('U', 30));
    test::Steps(*w, 40);
    Actor* p = test::Player(*w);
    EXPECT_EQ(p->y, 32);
    EXPECT_EQ(p->update, PlayerClimb);
}

TEST(PlayerLadder, ActionOnALadderLiftsOnlyWithFootingUnderTheFeet) {
    const std::vector<std::string> rows = {
        "..........",
        "..........",
        "...H......",
        "...P......",
        "...HL.....",
        "###h######",
    };
    auto w = test::MakeWorld(rows);
    test::SetTile(*w, 3, 3, 24);  // the ladder goes on behind the player
    test::Populate(*w);
    // Land and take the ladder, turn to face the block (bumping it), act.
    test::UseCommands(*w, ".RA");
    test::Steps(*w, 2);
    Actor* p = test::Player(*w);
    ASSERT_EQ(p->update, PlayerClimb);
    EXPECT_EQ(p->x, 48);
    EXPECT_EQ(p->dir, 0);  // on footing the player shows its facing
    w->soundRequests = 0;
    test::Steps(*w);
    EXPECT_EQ(p->update, PlayerFrozen);
    EXPECT_TRUE(w->soundRequests & (1u << 5));

    // Hanging higher up, with only ladder under the feet, nothing happens.
    auto high = test::MakeWorld(rows);
    test::SetTile(*high, 3, 3, 24);
    test::SetTile(*high, 3, 5, 24);
    test::Populate(*high);
    test::UseCommands(*high, ".RA");
    test::Steps(*high, 3);
    EXPECT_NE(test::Player(*high)->update, PlayerFrozen);
}

}  // namespace
}  // namespace q
