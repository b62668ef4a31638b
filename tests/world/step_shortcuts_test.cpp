// The world step takes shortcuts: the occupancy map is cleared only where
// blocks were stamped, and not rebuilt at all while no block moves; drawing
// is skipped when nothing would see it, which holds only while drawing leaves
// the world alone. These tests hold the shortcuts to the full work on a floor
// where everything happens: lifts, carrying, put-downs, a builder, chasers,
// the view scrolling.
#include <gtest/gtest.h>

#include "platform/test_hooks.hpp"
#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/world_helpers.hpp"
#include "world/world_step.hpp"

namespace q {
namespace {

using test::Repeat;

constexpr int kRows = 40;

std::unique_ptr<World> BusyTallFloor() {
    std::vector<std::string> rows(size_t(kRows), "........................................");
    for (int r = 8; r < kRows - 13; r += 9) rows[size_t(r)] = "###############h########################";
    const std::vector<std::string> bottom = {
        "........................................",
        "........................................",
        "........................................",
        "........................................",
        "..................X.....................",
        "......................*.................",
        "###############h########################",
        "...............H........................",
        "...............H........B...............",
        "...............H........................",
        "..P...J........H..l...S..........L......",
        "........................................",
        "########################################",
    };
    for (size_t i = 0; i < bottom.size(); ++i) rows[size_t(kRows) - bottom.size() + i] = bottom[i];
    // One ladder from the bottom level to the top.
    for (int r = 2; r < kRows - 6; ++r)
        if (rows[size_t(r)][15] == '.') rows[size_t(r)][15] = 'H';
    auto w = test::MakeWorld(rows, (kRows - kScreenRows) * 16);
    test::Populate(*w);
    test::SpawnKind(*w, KIND_FIGURE, 30, kRows - 4);
    test::SpawnKind(*w, KIND_PROP_32x64, 36, kRows - 5);
    // Lift the block to the right, carry it back left and put it down, then
    // walk to the ladder and climb to the top.
    test::UseCommands(*w, "R...R...R...A" + Repeat('.', 20) + "L...L...L...A" + Repeat('.', 20) + Repeat('R', 44) +
                              Repeat('U', 300) + Repeat('L', 30));
    return w;
}

TEST(StepShortcuts, TheOccupancyMapIsAlwaysWhatAFullRebuildWouldMake) {
    auto w = BusyTallFloor();
    bool carried = false, scrolled = false;
    const int startScroll = w->scrollY;
    for (int step = 0; step < 500 && w->playResult == PLAY_RESULT_PLAYING; ++step) {
        test::PlaySteps(*w);
        const Actor* player = test::Player(*w);
        carried = carried || (player && player->update == PlayerCarry);
        scrolled = scrolled || w->scrollY != startScroll;
        // The map as the next step will see it, and as one built from nothing.
        auto kept = std::make_unique<World>(*w);
        RebuildOccupancy(*kept);
        auto fresh = std::make_unique<World>(*w);
        ClearOccupancy(*fresh);
        RebuildOccupancy(*fresh);
        ASSERT_TRUE(kept->occupancyMap == fresh->occupancyMap) << "after step " << step;
    }
    EXPECT_TRUE(carried) << "the floor should have the player carry a block";
    EXPECT_TRUE(scrolled) << "the floor should scroll";
}

TEST(StepShortcuts, TooManyStampsToTrackClearTheWholeFloor) {
    auto w = test::MakeEmptyWorld(kMaxFloorRows);
    // Far more block shapes than the log keeps, all over the floor.
    for (int i = 0; i < kMaxStamps + 40; ++i) PaintLBlockCells(*w, (i * 36) % 608, (i * 52) % 1888, i & 1, 1);
    test::PlaceBlock(*w, KIND_LBLOCK_0, 64, 64);
    RebuildOccupancy(*w);
    int occupied = 0;
    for (uint8_t c : w->occupancyMap) occupied += c;
    EXPECT_EQ(occupied, 48);  // the one block's shape
    EXPECT_EQ(OccupiedAt(*w, 64, 64), 1);
}

TEST(StepShortcuts, DrawingAFrameLeavesTheWorldAsItWas) {
    auto w = BusyTallFloor();
    StartDrawRecording();
    for (int step = 0; step < 300 && w->playResult == PLAY_RESULT_PLAYING; ++step) {
        auto drawn = std::make_unique<World>(*w);
        DrawWorld(*drawn);
        ASSERT_TRUE(test::SameWorld(*drawn, *w)) << "at step " << step;
        test::PlaySteps(*w);
    }
    StopDrawRecording();
    ClearRecordedDraws();
}

TEST(StepShortcuts, TheStepFindsThePlayerInTheExitWithoutAFrameDrawn) {
    auto w = test::MakeWorld({
        "........",
        "..P.....",
        "........",
        "########",
    });
    test::Populate(*w);
    test::PlaySteps(*w, 2);  // standing
    test::SetObject(*w, 2, 1, EXIT_CELL);
    test::PlaySteps(*w);
    EXPECT_EQ(w->playResult, PLAY_RESULT_CLEARED);
}

}  // namespace
}  // namespace q
