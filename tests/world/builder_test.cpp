// The builder: its pace, the blocks it drops into gaps, and its touch.
#include <gtest/gtest.h>

#include "platform/core/sprite.hpp"
#include "platform/test_hooks.hpp"
#include "world/character_sets.hpp"
#include "world/creatures.hpp"
#include "world/handlers.hpp"
#include "world/lblock.hpp"
#include "world/world_helpers.hpp"

namespace q {
namespace {

using test::MakeWorld;
using test::PlaceActor;
using test::Steps;

Actor* PlaceBuilder(World& w, int x, int y) { return PlaceActor(w, KIND_BUILDER, x, y, BuilderInit); }

// Rows 0..11 with the given floor text on row 10 (builders stand at y 128).
std::unique_ptr<World> Ledge(const std::string& floor, std::vector<std::string> extra = {}) {
    extra.resize(std::max<size_t>(extra.size(), 12));
    extra[10] = floor;
    return MakeWorld(extra);
}

TEST(BuilderWalk, MovesOnePixelAndOneFrameEveryThirdStep) {
    auto w = Ledge(std::string(40, '#'));
    Actor* b = PlaceBuilder(*w, 64, 128);
    EXPECT_EQ(b->dir, 2);
    Steps(*w, 2);
    EXPECT_EQ(b->x, 64);
    EXPECT_EQ(b->frame, 0);
    EXPECT_EQ(b->dir, 0);
    Steps(*w);
    EXPECT_EQ(b->x, 65);
    EXPECT_EQ(b->frame, 1);
    Steps(*w, 24);
    EXPECT_EQ(b->x, 73);
    EXPECT_EQ(b->frame, 1);  // eight frames, then round again
    EXPECT_EQ(b->y, 128);
}

TEST(BuilderWalk, FallsFourPixelsAStepUntilItStandsOnFloor) {
    auto w = Ledge(std::string(40, '#'));
    Actor* b = PlaceBuilder(*w, 64, 96);
    for (int step = 1; step <= 8; ++step) {
        Steps(*w);
        EXPECT_EQ(b->y, 96 + 4 * step);
    }
    Steps(*w, 5);
    EXPECT_EQ(b->y, 128);
}

TEST(BuilderWalk, StandsOnABlockAndTurnsAtAWall) {
    std::vector<std::string> rows(12);
    rows[8] = rows[9] = "#.......#";
    auto w = Ledge(std::string(40, '#'), rows);
    Actor* b = PlaceBuilder(*w, 96, 128);
    int maxX = 0;
    int turnsAt = -1;
    for (int step = 0; step < 200; ++step) {
        Steps(*w);
        maxX = std::max(maxX, b->x);
        if (turnsAt < 0 && b->dir == 1) turnsAt = b->x;
    }
    EXPECT_EQ(maxX, 112);  // its right edge against the wall at x 128
    EXPECT_EQ(turnsAt, 112);
    EXPECT_GE(b->x, 16);
    EXPECT_TRUE(test::ActorsOfKind(*w, KIND_LBLOCK_0).empty());
    EXPECT_TRUE(test::ActorsOfKind(*w, KIND_LBLOCK_1).empty());
}

TEST(BuilderDrop, AtTheLedgeEndItDropsABlockIntoTheGapAndTurns) {
    auto w = Ledge("########");  // the floor ends at x 128
    Actor* b = PlaceBuilder(*w, 112, 128);
    w->soundRequests = 0;
    Steps(*w);
    const auto dropped = test::ActorsOfKind(*w, KIND_LBLOCK_1);
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped[0]->x, 128);
    EXPECT_EQ(dropped[0]->y, 128);  // level with the builder
    EXPECT_EQ(dropped[0]->dir, 1);
    EXPECT_EQ(dropped[0]->update, LBlockFall);
    EXPECT_EQ(dropped[0]->cell, 0);
    EXPECT_EQ(b->dir, 1);
    EXPECT_EQ(b->vx, -1);
    EXPECT_TRUE(w->soundRequests & (1u << 6));
    Steps(*w);
    EXPECT_EQ(dropped[0]->y, 144);  // it falls from the next step on
}

TEST(BuilderDrop, WalkingLeftItDropsADirZeroBlockToItsLeft) {
    auto w = Ledge("....############");  // the floor starts at x 64
    Actor* b = PlaceBuilder(*w, 80, 128);
    b->vx = -1;
    Steps(*w, 47);
    EXPECT_TRUE(test::ActorsOfKind(*w, KIND_LBLOCK_0).empty());
    Steps(*w);
    ASSERT_EQ(b->x, 64);
    const auto dropped = test::ActorsOfKind(*w, KIND_LBLOCK_0);
    ASSERT_EQ(dropped.size(), 1u);
    EXPECT_EQ(dropped[0]->x, 32);
    EXPECT_EQ(dropped[0]->dir, 0);
    EXPECT_EQ(b->dir, 0);
    EXPECT_EQ(b->vx, 1);
}

TEST(BuilderDrop, ATile28UnderTheDropPlaceMeansNoBlockButItStillTurns) {
    auto w = Ledge("########.+");
    Actor* b = PlaceBuilder(*w, 112, 128);
    w->soundRequests = 0;
    Steps(*w);
    EXPECT_TRUE(test::ActorsOfKind(*w, KIND_LBLOCK_1).empty());
    EXPECT_EQ(b->dir, 1);
    EXPECT_FALSE(w->soundRequests & (1u << 6));
}

TEST(BuilderDrop, ABlockAlreadyInTheGapMeansNoBlockButItStillTurns) {
    std::vector<std::string> rows(14);
    rows[12] = std::string(40, '#');
    auto w = Ledge("########", rows);
    Actor* inGap = test::PlaceBlock(*w, KIND_LBLOCK_0, 128, 160);
    Steps(*w, 2);
    ASSERT_EQ(inGap->update, LBlockRest);
    Actor* b = PlaceBuilder(*w, 112, 128);
    w->soundRequests = 0;
    Steps(*w);
    EXPECT_TRUE(test::ActorsOfKind(*w, KIND_LBLOCK_1).empty());
    EXPECT_EQ(test::ActorsOfKind(*w, KIND_LBLOCK_0).size(), 1u);
    EXPECT_EQ(b->dir, 1);
    EXPECT_FALSE(w->soundRequests & (1u << 6));
}

TEST(BuilderDrop, LadderTilesAheadCountAsAGap) {
    for (char ladder : {'H', 'k'}) {  // tiles 24 and 27
        auto w = Ledge(std::string("########") + ladder);
        Actor* b = PlaceBuilder(*w, 112, 128);
        Steps(*w);
        EXPECT_EQ(test::ActorsOfKind(*w, KIND_LBLOCK_1).size(), 1u) << ladder;
        EXPECT_EQ(b->dir, 1);
    }
    auto w = Ledge("#########");  // tile 31 ahead: floor, no gap
    Actor* b = PlaceBuilder(*w, 112, 128);
    Steps(*w);
    EXPECT_TRUE(test::ActorsOfKind(*w, KIND_LBLOCK_1).empty());
    EXPECT_EQ(b->dir, 0);
}

TEST(BuilderDrop, BlocksFillAGapUntilTheBuilderCanNoLongerDrop) {
    std::vector<std::string> rows(14);
    rows[8] = rows[9] = "#";
    rows[11] = rows[12] = "########..#";
    rows[13] = std::string(40, '#');
    auto w = Ledge("########..#", rows);
    PlaceBuilder(*w, 96, 128);
    Steps(*w, 600);
    // The first block fills the two-tile gap; later visits find it there.
    EXPECT_EQ(test::ActorsOfKind(*w, KIND_LBLOCK_1).size(), 1u);
    const Actor* block = test::ActorsOfKind(*w, KIND_LBLOCK_1)[0];
    EXPECT_EQ(block->x, 128);
    EXPECT_EQ(block->y, 176);
}

TEST(BuilderTouch, OneSharedPixelFlattensThePlayerAndFailsTheFloor) {
    auto w = Ledge(std::string(40, '#'));
    Actor* player = test::PlacePlayer(*w, 80, 128);
    PlaceBuilder(*w, 64, 128);
    Steps(*w, 2);
    EXPECT_EQ(w->playResult, PLAY_RESULT_PLAYING);
    EXPECT_EQ(player->width, 16);
    Steps(*w);  // the builder's right edge reaches x 80
    EXPECT_EQ(w->playResult, PLAY_RESULT_FAILED);
    EXPECT_EQ(player->width, 48);
    EXPECT_EQ(player->height, 8);
    EXPECT_EQ(player->update, PlayerWalk);  // its handler is left alone
}

TEST(BuilderTouch, NoPlayerNoHarm) {
    auto w = Ledge(std::string(40, '#'));
    PlaceBuilder(*w, 64, 128);
    Steps(*w, 10);
    EXPECT_EQ(w->playResult, PLAY_RESULT_PLAYING);
}

TEST(BuilderDraw, DrawnAsTheCharacterTwoAfterThePlayers) {
    auto w = Ledge(std::string(40, '#'));
    Actor* b = PlaceBuilder(*w, 64, 128);
    b->dir = 1;
    b->frame = 2;
    for (int character = 0; character < 3; ++character) {
        w->character = character;
        StartDrawRecording();
        BuilderDraw(*w, *b);
        StopDrawRecording();
        int count = 0;
        const DrawCall* draws = RecordedDraws(&count);
        ASSERT_EQ(count, 1);
        EXPECT_EQ(draws[0].src, CharacterSets[(character + 2) % 3].frames[1][2]);
        EXPECT_EQ(draws[0].dest, (Rect{64, 128, 80, 160}));
    }
}

}  // namespace
}  // namespace q
