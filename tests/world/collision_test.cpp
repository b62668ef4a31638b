#include <gtest/gtest.h>

#include "world/world_helpers.hpp"

namespace q {
namespace {

// A bare 16 x 32 box that has just moved from (oldX, oldY) to (x, y).
Actor Mover(int x, int y, int oldX, int oldY, int width = 16, int height = 32) {
    Actor a{};
    a.x = x;
    a.y = y;
    a.oldX = oldX;
    a.oldY = oldY;
    a.width = width;
    a.height = height;
    a.fallStep = 9;
    return a;
}

int CountOccupied(const World& w) {
    int n = 0;
    for (uint8_t c : w.occupancyMap) n += c;
    return n;
}

TEST(CollisionTerrain, AColumnAlignedBoxLooksAtOneColumnOfTilesAnUnalignedOneAtTwo) {
    auto w = test::MakeEmptyWorld(10);
    test::SetTile(*w, 3, 4, 31);  // under x 48..63
    Actor aligned = Mover(32, 34, 32, 30);
    EXPECT_EQ(TileFloorBelow(*w, aligned, 24), 0);
    EXPECT_EQ(aligned.y, 34);
    Actor unaligned = Mover(36, 34, 36, 30);
    EXPECT_EQ(TileFloorBelow(*w, unaligned, 24), 2);
    EXPECT_EQ(unaligned.y, 30);
    EXPECT_EQ(unaligned.fallStep, 6);
}

TEST(CollisionTerrain, AnOffRowBoxIsTestedAgainstThreeTileRowsSideways) {
    auto w = test::MakeEmptyWorld(12, 4);
    test::SetTile(*w, 2, 8, 31);  // third tile row of a box whose world top is 100
    Actor offRow = Mover(20, 96, 16, 96);  // world y 100
    EXPECT_EQ(TileWallRight(*w, offRow), 1);
    EXPECT_EQ(offRow.x, 16);
    Actor onRow = Mover(20, 92, 16, 92);  // world y 96: rows 6 and 7 only
    EXPECT_EQ(TileWallRight(*w, onRow), 0);
    EXPECT_EQ(onRow.x, 20);
}

TEST(CollisionTerrain, ThresholdsDecideWhatBlocks) {
    auto w = test::MakeEmptyWorld(10);
    test::SetTile(*w, 0, 4, 27);
    Actor onFoot = Mover(0, 36, 0, 32);
    EXPECT_EQ(TileFloorBelow(*w, onFoot, 24), 2);
    Actor carrier = Mover(0, 36, 0, 32);
    EXPECT_EQ(TileFloorBelow(*w, carrier, 28), 0);
    // Sideways, only 31 blocks; negative tile bytes never block.
    test::SetTile(*w, 1, 2, 30);
    test::SetTile(*w, 1, 3, -5);
    Actor walker = Mover(4, 32, 0, 32);
    EXPECT_EQ(TileWallRight(*w, walker), 0);
}

TEST(CollisionTerrain, LandingsAnswerTwoAndBumpsOne) {
    auto w = test::MakeWorld({
        "#",
        ".",
        ".",
        "#",
    });
    Actor down = Mover(0, 20, 0, 16);
    EXPECT_EQ(TileFloorBelow(*w, down, 31), 2);
    EXPECT_EQ(down.y, 16);
    Actor up = Mover(0, 12, 0, 16);
    EXPECT_EQ(TileCeilingAbove(*w, up, 31), 1);
    EXPECT_EQ(up.y, 16);
    EXPECT_EQ(up.fallStep, 6);
    Actor free = Mover(0, 16, 0, 16);
    EXPECT_EQ(TileFloorBelow(*w, free, 31), 0);
    EXPECT_EQ(TileCeilingAbove(*w, free, 31), 0);
}

TEST(CollisionTerrain, PointsOutsideTheFloorReadZeroAndNeverWrapRows) {
    auto w = test::MakeEmptyWorld(4);
    test::SetTile(*w, 39, 0, 31);  // last column of row 0
    test::SetTile(*w, 0, 3, 31);
    // A box at x = -16 on row 1 must not see the tile at column 39 of row 0.
    Actor left = Mover(-16, 16, -12, 16);
    EXPECT_EQ(TileWallLeft(*w, left), 0);
    EXPECT_EQ(TileAt(*w, -1, 16), 0);
    EXPECT_EQ(TileAt(*w, 640, 0), 0);
    EXPECT_EQ(TileAt(*w, 0, 64), 0);   // below the last row
    EXPECT_EQ(TileAt(*w, 0, -1), 0);   // above the first
    EXPECT_EQ(TileAt(*w, 0, 63), 31);
    EXPECT_EQ(OccupiedAt(*w, -4, 0), 0);
    EXPECT_EQ(TileIndex(*w, 639, 63), 3 * 40 + 39);
    EXPECT_EQ(TileIndex(*w, 640, 0), -1);
    SetObjectCell(*w, 700, 0, 5);
    SetObjectCell(*w, 0, 64, 5);
    for (int8_t b : w->objectMap) ASSERT_EQ(b, 0);
    SetObjectCell(*w, 17, 33, 31);
    EXPECT_EQ(test::ObjectOf(*w, 1, 2), 31);
}

TEST(CollisionTerrain, AScanCrossingTheFloorsEdgeReadsTheInsidePart) {
    auto w = test::MakeEmptyWorld(4);
    test::SetTile(*w, 1, 0, 31);
    // A box reaching above the floor's top: the rows above read 0, row 0 walls it.
    Actor high = Mover(16, -24, 12, -24);
    EXPECT_EQ(TileWallLeft(*w, high), 1);
    EXPECT_EQ(high.x, 12);
    // Half off the left edge: the cells left of x 0 read 0, the ones inside count.
    PaintLBlockCells(*w, 0, 32, 0, 1);
    Actor half = Mover(-8, 2, -8, -2);  // feet in cell row 8, the block's top
    EXPECT_EQ(BlockFloorBelow(*w, half), 2);
    Actor beside = Mover(-20, 2, -20, -2);
    EXPECT_EQ(BlockFloorBelow(*w, beside), 0);
    // Reaching below the last row: that row still walls it; past it nothing does.
    test::SetTile(*w, 1, 3, 31);
    Actor low = Mover(16, 56, 12, 56);
    EXPECT_EQ(TileWallLeft(*w, low), 1);
    Actor below = Mover(16, 64, 12, 64);
    EXPECT_EQ(TileWallLeft(*w, below), 0);
}

TEST(CollisionTerrain, OnLadderSeesTiles24To29UnderTheBox) {
    auto w = test::MakeEmptyWorld(6);
    Actor a = Mover(16, 16, 16, 16);
    EXPECT_EQ(OnLadder(*w, a), 0);
    test::SetTile(*w, 1, 2, 29);
    EXPECT_EQ(OnLadder(*w, a), 1);
    test::SetTile(*w, 1, 2, 30);
    EXPECT_EQ(OnLadder(*w, a), 0);
    test::SetTile(*w, 2, 1, 24);  // beside the box while it is on a column
    EXPECT_EQ(OnLadder(*w, a), 0);
    a.x = 20;  // now it overlaps column 2
    EXPECT_EQ(OnLadder(*w, a), 1);
}

TEST(CollisionBlocks, AnLBlockCoversItsShapeInFourPixelCells) {
    auto w = test::MakeEmptyWorld(4);
    PaintLBlockCells(*w, 0, 0, 0, 1);
    EXPECT_EQ(CountOccupied(*w), 48);
    for (int cy = 0; cy < 8; ++cy)
        for (int cx = 0; cx < 8; ++cx)
            EXPECT_EQ(OccupiedAt(*w, cx * 4, cy * 4), (cy >= 4 || cx < 4) ? 1 : 0) << cx << "," << cy;
    PaintLBlockCells(*w, 0, 0, 0, 0);
    EXPECT_EQ(CountOccupied(*w), 0);
    PaintLBlockCells(*w, 0, 0, 1, 1);
    EXPECT_EQ(CountOccupied(*w), 48);
    EXPECT_EQ(OccupiedAt(*w, 0, 0), 0);
    EXPECT_EQ(OccupiedAt(*w, 16, 0), 1);
    EXPECT_EQ(OccupiedAt(*w, 0, 16), 1);
}

TEST(CollisionBlocks, PaintingPastTheFloorEdgeIsDropped) {
    auto w = test::MakeEmptyWorld(2);
    PaintLBlockCells(*w, 624, 16, 0, 1);  // half outside right, half below
    EXPECT_EQ(CountOccupied(*w), 4 * 4);  // only the raised quarter's top-left 16 x 16
}

TEST(CollisionBlocks, TheMapIsRebuiltFromEveryBlockAliveOrNot) {
    auto w = test::MakeEmptyWorld(10);
    Actor* a = test::PlaceBlock(*w, KIND_LBLOCK_0, 0, 0);
    Actor* b = test::PlaceBlock(*w, KIND_HEAVY_LBLOCK_1, 64, 64);
    ASSERT_TRUE(a && b);
    PaintLBlockCells(*w, 300, 100, 0, 1);  // stale marks vanish
    b->alive = 0;
    RebuildOccupancy(*w);
    EXPECT_EQ(CountOccupied(*w), 96);
    EXPECT_EQ(OccupiedAt(*w, 64 + 16, 64), 1);
    EXPECT_EQ(OccupiedAt(*w, 300, 100), 0);
}

TEST(CollisionBlocks, FloorAndWallAgainstABlock) {
    auto w = test::MakeEmptyWorld(10);
    PaintLBlockCells(*w, 32, 64, 0, 1);
    Actor wall = Mover(20, 64, 16, 64);  // right edge x 35, in cell column 8
    EXPECT_EQ(BlockWallRight(*w, wall), 1);
    EXPECT_EQ(wall.x, 16);
    Actor notch = Mover(36, 30, 36, 28);  // above the notch: falls into it freely
    EXPECT_EQ(BlockFloorBelow(*w, notch), 0);
    Actor onTop = Mover(32, 34, 32, 30);  // feet reach the raised quarter
    EXPECT_EQ(BlockFloorBelow(*w, onTop), 2);
    EXPECT_EQ(onTop.y, 30);
    Actor under = Mover(32, 94, 32, 98);  // head bumps the block's bottom
    EXPECT_EQ(BlockCeilingAbove(*w, under), 1);
    EXPECT_EQ(under.y, 98);
}

TEST(CollisionBlocks, AnLBlockMovingRightPassesATileInItsNotch) {
    auto w = test::MakeEmptyWorld(4);
    test::SetTile(*w, 2, 0, 31);
    Actor* block = test::PlaceBlock(*w, KIND_LBLOCK_0, 0, 0);
    RebuildOccupancy(*w);
    block->x = 8;
    block->vx = 8;
    EXPECT_EQ(LBlockSideTest(*w, *block), 0);
    EXPECT_EQ(block->x, 8);

    auto w2 = test::MakeEmptyWorld(4);
    test::SetTile(*w2, 2, 1, 31);
    Actor* block2 = test::PlaceBlock(*w2, KIND_LBLOCK_0, 0, 0);
    RebuildOccupancy(*w2);
    block2->x = 8;
    block2->vx = 8;
    EXPECT_EQ(LBlockSideTest(*w2, *block2), 1);
    EXPECT_EQ(block2->x, 0);
    EXPECT_EQ(CountOccupied(*w2), 48);  // its own cells are back
}

TEST(CollisionBlocks, AnLBlockLandsOnAnotherBlockButNotOnItself) {
    auto w = test::MakeEmptyWorld(10);
    Actor* lower = test::PlaceBlock(*w, KIND_LBLOCK_1, 0, 64);
    Actor* upper = test::PlaceBlock(*w, KIND_LBLOCK_0, 0, 16);
    RebuildOccupancy(*w);
    upper->vy = 16;
    upper->y = 32;  // bottom at 63: free
    EXPECT_EQ(LBlockVerticalTest(*w, *upper), 0);
    EXPECT_EQ(upper->y, 32);
    upper->oldY = 32;
    RebuildOccupancy(*w);  // the next step sees it where it now stands
    upper->y = 48;
    const int down = LBlockVerticalTest(*w, *upper);
    // Its lower half meets the lower block's raised right quarter.
    EXPECT_EQ(down, 2);
    EXPECT_EQ(upper->y, 32);
    EXPECT_EQ(CountOccupied(*w), 96);
    (void)lower;
}

TEST(CollisionHeadroom, AStepWithRoomAboveCanBeHopped) {
    auto w = test::MakeWorld({
        "..........",
        "..........",
        "..........",
        "..........",
        "...#......",
        "##########",
    });
    Actor walker = Mover(32, 48, 32, 48);  // feet on row 5, step at column 3 row 4
    walker.vx = 4;
    EXPECT_EQ(HeadroomBlocked(*w, walker), 0);
    test::SetTile(*w, 3, 2, 31);  // 16 pixels above the head: inside the probe
    EXPECT_EQ(HeadroomBlocked(*w, walker), 1);
    test::SetTile(*w, 3, 2, 0);
    test::SetTile(*w, 3, 1, 31);  // above the probe
    EXPECT_EQ(HeadroomBlocked(*w, walker), 0);
    PaintLBlockCells(*w, 48, 8, 1, 1);  // a block whose lower half reaches down to y 39
    EXPECT_EQ(HeadroomBlocked(*w, walker), 1);
}

TEST(CollisionHeadroom, TheProbeGoesLeftForAWalkerMovingLeft) {
    auto w = test::MakeEmptyWorld(6);
    test::SetTile(*w, 1, 2, 31);
    Actor walker = Mover(32, 48, 32, 48);
    walker.vx = -4;
    EXPECT_EQ(HeadroomBlocked(*w, walker), 1);
    walker.vx = 4;
    EXPECT_EQ(HeadroomBlocked(*w, walker), 0);
}

TEST(CollisionOverlap, BoxesSharingABorderPixelOverlap) {
    Actor a = Mover(0, 0, 0, 0, 16, 32);
    Actor b = Mover(15, 31, 15, 31, 16, 16);
    EXPECT_EQ(BoxesOverlap(a, b), 1);
    EXPECT_EQ(BoxesOverlap(b, a), 1);
    b.x = 16;
    EXPECT_EQ(BoxesOverlap(a, b), 0);
    b.x = 15;
    b.y = 32;
    EXPECT_EQ(BoxesOverlap(a, b), 0);
    b.x = -15;
    b.y = -15;
    EXPECT_EQ(BoxesOverlap(a, b), 1);
}

TEST(CollisionOverlap, TouchesPlayerNeedsAPlayer) {
    auto w = test::MakeEmptyWorld(10);
    Actor thing = Mover(0, 0, 0, 0, 16, 16);
    EXPECT_EQ(TouchesPlayer(*w, thing), 0);
    test::PlacePlayer(*w, 10, 10);
    EXPECT_EQ(TouchesPlayer(*w, thing), 1);
    thing.x = 26;
    EXPECT_EQ(TouchesPlayer(*w, thing), 0);
}

TEST(CollisionBlocks, RegionOccupiedLooksAtOneSixteenPixelSquare) {
    auto w = test::MakeEmptyWorld(4);
    PaintLBlockCells(*w, 0, 0, 0, 1);
    EXPECT_EQ(RegionOccupied(*w, 0, 0), 1);
    EXPECT_EQ(RegionOccupied(*w, 16, 0), 0);  // the notch
    EXPECT_EQ(RegionOccupied(*w, 16, 16), 1);
    EXPECT_EQ(RegionOccupied(*w, 32, 0), 0);
    EXPECT_EQ(RegionOccupied(*w, 28, 12), 1);  // overlaps one corner cell
}

}  // namespace
}  // namespace q
