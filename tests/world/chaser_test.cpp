// The chaser: its pace, hops and turns, ladders up and down, and its touch.
#include <gtest/gtest.h>

#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"
#include "world/character_sets.hpp"
#include "world/creatures.hpp"
#include "world/handlers.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::MakeWorld;
using test::PlaceActor;
using test::PlacePlayer;
using test::Steps;

Actor* PlaceChaser(World& w, int x, int y) { return PlaceActor(w, KIND_CHASER, x, y, ChaserInit); }

// Twelve rows, a floor on row 10 and the given rows on top.
std::unique_ptr<World> Room(std::vector<std::string> rows = {}) {
    rows.resize(std::max<size_t>(rows.size(), 12));
    if (rows[10].empty()) rows[10] = std::string(40, '#');
    return MakeWorld(rows);
}

TEST(ChaserWalk, HeadsForThePlayerEightPixelsEveryThreeSteps) {
    auto w = Room();
    PlacePlayer(*w, 560, 128);
    Actor* c = PlaceChaser(*w, 64, 128);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->command, CMD_RIGHT);
    std::vector<int> xs;
    for (int i = 0; i < 6; ++i) {
        Steps(*w);
        xs.push_back(c->x);
    }
    EXPECT_EQ(xs, (std::vector<int>{68, 68, 72, 76, 76, 80}));
    EXPECT_EQ(c->dir, 0);
    EXPECT_EQ(c->y, 128);

    auto w2 = Room();
    PlacePlayer(*w2, 16, 128);
    Actor* left = PlaceChaser(*w2, 64, 128);
    EXPECT_EQ(left->command, CMD_LEFT);
    Steps(*w2, 3);
    EXPECT_EQ(left->x, 56);
    EXPECT_EQ(left->dir, 1);
}

TEST(ChaserWalk, DoesNotMoveSidewaysWhileFalling) {
    std::vector<std::string> rows(12);
    rows[10] = "....";
    rows[11] = std::string(40, '#');
    auto w = Room(rows);
    PlacePlayer(*w, 560, 144);
    Actor* c = PlaceChaser(*w, 64, 128);  // wholly over the drop
    Steps(*w);
    EXPECT_EQ(c->x, 64);
    EXPECT_EQ(c->y, 132);
    Steps(*w, 3);
    EXPECT_EQ(c->x, 64);
    EXPECT_EQ(c->y, 144);
}

TEST(ChaserWalk, HopsOntoASixteenPixelStep) {
    std::vector<std::string> rows(12);
    rows[9] = "........################################";
    auto w = Room(rows);
    PlacePlayer(*w, 560, 112);
    Actor* c = PlaceChaser(*w, 64, 128);
    int lowest = c->y;
    int risingSteps = 0;
    for (int i = 0; i < 60; ++i) {
        const int before = c->y;
        Steps(*w);
        if (c->y == before - 4) ++risingSteps;
        EXPECT_GE(c->y, before - 4);
        lowest = std::min(lowest, c->y);
    }
    EXPECT_EQ(risingSteps, 6);
    EXPECT_EQ(lowest, 104);  // 24 pixels up
    EXPECT_EQ(c->y, 112);    // standing on the step
    EXPECT_GT(c->x, 128);
}

TEST(ChaserWalk, TurnsBackAtAWallTwoTilesHigh) {
    std::vector<std::string> rows(12);
    rows[8] = rows[9] = "#.......#";
    auto w = Room(rows);
    PlacePlayer(*w, 560, 128);
    Actor* c = PlaceChaser(*w, 64, 128);
    int maxX = 0;
    for (int i = 0; i < 30; ++i) {
        Steps(*w);
        maxX = std::max(maxX, c->x);
    }
    EXPECT_EQ(maxX, 112);
    EXPECT_EQ(c->command, CMD_LEFT);
    EXPECT_EQ(c->dir, 1);
    EXPECT_LT(c->x, 112);
    EXPECT_EQ(c->y, 128);
}

TEST(ChaserWalk, TouchingThePlayerFlattensItAndFailsTheFloor) {
    auto w = Room();
    Actor* player = PlacePlayer(*w, 96, 128);
    PlaceChaser(*w, 64, 128);
    int steps = 0;
    while (w->playResult == PLAY_RESULT_PLAYING && steps < 30) {
        Steps(*w);
        ++steps;
    }
    EXPECT_EQ(w->playResult, PLAY_RESULT_FAILED);
    EXPECT_EQ(steps, 7);  // its right edge reaches x 96 at x 80
    EXPECT_EQ(player->width, 48);
    EXPECT_EQ(player->height, 8);
}

// A lower floor on row 10 and an upper floor on row 4, joined by a ladder in
// column 8 (rows 4..9), with the given tile at the ladder's top.
std::unique_ptr<World> Ladder(char top) {
    std::vector<std::string> rows(12);
    rows[4] = std::string(40, '#');
    rows[4][8] = top;
    for (int r = 5; r <= 9; ++r) rows[r] = "........H";
    return Room(rows);
}

TEST(ChaserClimb, ClimbsALadderUpToThePlayersHeightThenWalksTowardsIt) {
    auto w = Ladder('H');
    PlacePlayer(*w, 320, 32);
    Actor* c = PlaceChaser(*w, 64, 128);
    Steps(*w, 23);
    EXPECT_EQ(c->update, ChaserWalk);
    Steps(*w);
    ASSERT_EQ(c->x, 128);
    EXPECT_EQ(c->update, ChaserClimb);
    EXPECT_EQ(c->dir, 3);
    EXPECT_EQ(c->vy, -4);
    EXPECT_EQ(c->y, 128);
    std::vector<int> ys;
    while (c->update == ChaserClimb && ys.size() < 40) {
        Steps(*w);
        ys.push_back(c->y);
    }
    // Up 4 a step until its extent first overlaps the player's (y 32..63).
    ASSERT_EQ(ys.size(), 17u);
    for (size_t i = 0; i < ys.size(); ++i) EXPECT_EQ(ys[i], 124 - 4 * static_cast<int>(i));
    EXPECT_EQ(c->x, 128);
    EXPECT_EQ(c->command, CMD_RIGHT);
    EXPECT_EQ(c->vx, 4);
    EXPECT_EQ(c->fallStep, 6);
    Steps(*w, 20);
    EXPECT_EQ(c->y, 32);  // up on the player's floor
    EXPECT_GT(c->x, 128);
}

TEST(ChaserClimb, WithThePlayerOnItsLevelItWalksPastTheLadder) {
    auto w = Ladder('H');
    PlacePlayer(*w, 320, 128);
    Actor* c = PlaceChaser(*w, 64, 128);
    Steps(*w, 30);
    EXPECT_EQ(c->update, ChaserWalk);
    EXPECT_GT(c->x, 128);
    EXPECT_EQ(c->y, 128);
}

TEST(ChaserClimb, StopsClimbingWhenItBumpsIntoASolidTile) {
    std::vector<std::string> rows(12);
    rows[2] = "....................#";  // the player's perch
    rows[5] = "........#";
    for (int r = 6; r <= 9; ++r) rows[r] = "........H";
    auto w = Room(rows);
    PlacePlayer(*w, 320, 0);
    Actor* c = PlaceChaser(*w, 64, 128);
    Steps(*w, 24);
    ASSERT_EQ(c->update, ChaserClimb);
    int top = c->y;
    for (int i = 0; i < 12 && c->update == ChaserClimb; ++i) {
        Steps(*w);
        top = std::min(top, c->y);
    }
    EXPECT_EQ(c->update, ChaserWalk);
    EXPECT_EQ(top, 96);  // its head under the tile at row 5
    EXPECT_EQ(c->command, CMD_RIGHT);
}

TEST(ChaserClimb, ClimbsDownFromALadderTopThroughAFloorTileToALowerPlayer) {
    auto w = Ladder('h');  // tile 28 at the top: floor to walk on, ladder to climb
    PlacePlayer(*w, 320, 128);
    Actor* c = PlaceChaser(*w, 64, 32);
    Steps(*w, 24);
    ASSERT_EQ(c->x, 128);
    EXPECT_EQ(c->update, ChaserClimb);
    EXPECT_EQ(c->command, CMD_DOWN);
    EXPECT_EQ(c->vy, 4);
    Steps(*w);
    EXPECT_EQ(c->y, 36);  // into the ladder top
    int steps = 0;
    while (c->update == ChaserClimb && steps < 40) {
        Steps(*w);
        ++steps;
    }
    EXPECT_EQ(c->y, 100);  // its feet reach the player's level
    Steps(*w, 20);
    EXPECT_EQ(c->y, 128);
    EXPECT_GT(c->x, 128);
}

TEST(ChaserClimb, ABlockUnderTheLadderTopKeepsItFromClimbingDown) {
    auto w = Ladder('h');
    w->tileMap[7 * 40 + 8] = 28;
    w->tileMap[7 * 40 + 9] = 28;
    PlacePlayer(*w, 320, 128);
    Actor* block = test::PlaceBlock(*w, KIND_LBLOCK_0, 128, 80);
    Actor* c = PlaceChaser(*w, 64, 32);
    Steps(*w, 40);
    EXPECT_EQ(block->y, 80);
    EXPECT_EQ(c->update, ChaserWalk);
    EXPECT_EQ(c->y, 32);
    EXPECT_GT(c->x, 128);
}

TEST(ChaserHelpers, OnLadderTopNeedsALadderTileUnderTheFeetAndNoBlockBelow) {
    auto w = Ladder('h');
    Actor c{};
    c.x = 128;
    c.y = 32;
    c.width = 16;
    c.height = 32;
    EXPECT_EQ(OnLadderTop(*w, c), 1);
    c.x = 144;
    EXPECT_EQ(OnLadderTop(*w, c), 0);
    c.x = 128;
    w->occupancyMap[(95 >> 2) * 160 + (159 >> 2)] = 1;  // the far corner of the 32 x 32 below
    EXPECT_EQ(OnLadderTop(*w, c), 0);
}

TEST(ChaserHelpers, WithoutAPlayerTheLadderHelpersDoNothing) {
    auto w = Ladder('h');
    Actor c{};
    c.x = 128;
    c.y = 32;
    c.width = 16;
    c.height = 32;
    c.command = CMD_RIGHT;
    c.update = ChaserWalk;
    const Actor before = c;
    ChaserEnterLadder(*w, c);
    ChaserDescend(*w, c);
    ChaserLeaveLadder(*w, c);
    ChaserLevelCheck(*w, c);
    EXPECT_EQ(c.update, before.update);
    EXPECT_EQ(c.command, before.command);
    EXPECT_EQ(c.vy, before.vy);
    ChaserTurn(*w, c);
    EXPECT_EQ(c.command, CMD_LEFT);
    EXPECT_EQ(c.vx, -4);
    EXPECT_EQ(c.dir, 1);
}

TEST(ChaserDraw, DrawnAsTheCharacterOneAfterThePlayers) {
    auto w = Room();
    PlacePlayer(*w, 560, 128);
    Actor* c = PlaceChaser(*w, 64, 128);
    c->dir = 3;
    c->frame = 7;
    w->character = 2;
    StartDrawRecording();
    ChaserDraw(*w, *c);
    StopDrawRecording();
    int count = 0;
    const DrawCall* draws = RecordedDraws(&count);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(draws[0].src, CharacterSets[0].frames[3][7]);
    EXPECT_EQ(draws[0].dest, (Rect{64, 128, 80, 160}));
    EXPECT_EQ(draws[0].colour, 0xFFFFFFFFu);
}

}  // namespace
}  // namespace q
