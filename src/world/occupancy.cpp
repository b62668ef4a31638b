// The occupancy grid of the L-blocks: rebuilt from the blocks at the start of
// every step, and the quarter-by-quarter tests a moving block makes with it.
#include <algorithm>
#include <cstring>

#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/tiles.hpp"

namespace q {

const uint8_t LBlockShapeFine[2][8][8] = {
    {
        {1, 1, 1, 1, 0, 0, 0, 0},
        {1, 1, 1, 1, 0, 0, 0, 0},
        {1, 1, 1, 1, 0, 0, 0, 0},
        {1, 1, 1, 1, 0, 0, 0, 0},
        {1, 1, 1, 1, 1, 1, 1, 1},
        {1, 1, 1, 1, 1, 1, 1, 1},
        {1, 1, 1, 1, 1, 1, 1, 1},
        {1, 1, 1, 1, 1, 1, 1, 1},
    },
    {
        {0, 0, 0, 0, 1, 1, 1, 1},
        {0, 0, 0, 0, 1, 1, 1, 1},
        {0, 0, 0, 0, 1, 1, 1, 1},
        {0, 0, 0, 0, 1, 1, 1, 1},
        {1, 1, 1, 1, 1, 1, 1, 1},
        {1, 1, 1, 1, 1, 1, 1, 1},
        {1, 1, 1, 1, 1, 1, 1, 1},
        {1, 1, 1, 1, 1, 1, 1, 1},
    },
};

const uint8_t LBlockShapeQuarters[2][2][2] = {
    {{1, 0}, {1, 1}},
    {{0, 1}, {1, 1}},
};

namespace {

// Blocks only ever hold dir 0 or 1; anything else is read as 1 rather than
// indexing past the shape tables.
int ShapeIndex(int dir) { return dir == SHAPE_RAISED_LEFT ? 0 : 1; }

void StampShape(World& w, int x, int y, int dir, uint8_t value) {
    const auto& shape = LBlockShapeFine[ShapeIndex(dir)];
    // Whole shape on the floor (the usual case): one index, then plain rows.
    if (InsideFloor(w, x, y) && InsideFloor(w, x + 28, y + 28)) {
        uint8_t* base = w.occupancyMap.data() + OccupancyIndex(w, x, y);
        // Each row of the shape is one run of cells: the top rows hold the
        // raised quarter's four, the lower rows all eight.
        const int raisedStart = ShapeIndex(dir) == 0 ? 0 : 4;
        for (int i = 0; i < 4; ++i) std::memset(base + i * kOccupancyColumns + raisedStart, value, 4);
        for (int i = 4; i < 8; ++i) std::memset(base + i * kOccupancyColumns, value, 8);
        return;
    }
    for (int i = 0; i < 8; ++i) {
        for (int j = 0; j < 8; ++j) {
            if (!shape[i][j]) continue;
            const int index = OccupancyIndex(w, x + 4 * j, y + 4 * i);
            if (index >= 0) w.occupancyMap[index] = value;
        }
    }
}

// The entries themselves are left: only the first `count` mean anything, and
// wiping them all would cost what the log saves.
void ForgetStamps(StampLog& log) {
    log.count = 0;
    log.fromRebuild = 0;
    log.floorRows = 0;
    log.edited = 0;
    log.overflowed = 0;
}

void StampAndLog(World& w, int x, int y, int dir) {
    StampLog& log = w.occupancyStamps;
    if (log.count < kMaxStamps)
        log.stamps[size_t(log.count++)] = OccupancyStamp{x, y + w.scrollY, dir};
    else
        log.overflowed = 1;
    StampShape(w, x, y, dir, 1);
}

// Zero every cell a logged stamp set (or the whole map when the log lost
// some), leaving the map as a full clearing would inside the floor.
void ClearStampedCells(World& w) {
    StampLog& log = w.occupancyStamps;
    if (log.overflowed) {
        // Stamps land only inside the floor, so the rows below it stay clear.
        const int rows = std::clamp(std::max(w.floorRows, log.floorRows), 0, kMaxFloorRows);
        std::fill_n(w.occupancyMap.begin(), size_t(rows) * kOccupancyColumns * 4, uint8_t{0});
    } else {
        for (int i = 0; i < log.count; ++i) {
            const OccupancyStamp& s = log.stamps[size_t(i)];
            StampShape(w, s.x, s.worldY - w.scrollY, s.dir, 0);
        }
    }
    ForgetStamps(log);
}

// True when the last rebuild stamped exactly the blocks on the list now, at
// the places they now stand: rebuilding again would write the same map.
bool BlocksStandAsStamped(World& w) {
    const StampLog& log = w.occupancyStamps;
    int i = 0;
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a)) {
        if (!IsLBlockKind(a->kind)) continue;
        if (i == log.fromRebuild || !(log.stamps[size_t(i)] == OccupancyStamp{a->x, a->y + w.scrollY, a->dir}))
            return false;
        ++i;
    }
    return i == log.fromRebuild;
}

// A tile-sized box standing in for one quarter of a block; reverting it leaves
// the block alone.
Actor QuarterProbe(const Actor& block, int i, int j) {
    Actor probe{};
    probe.x = probe.oldX = block.x + kTileSize * j;
    probe.y = probe.oldY = block.y + kTileSize * i;
    probe.width = kTileSize;
    probe.height = kTileSize;
    probe.vx = block.vx;
    probe.vy = block.vy;
    return probe;
}

}  // namespace

void ClearOccupancy(World& w) {
    w.occupancyMap.fill(0);
    ForgetStamps(w.occupancyStamps);
}

bool OccupancyMatchesBlocks(World& w) {
    const StampLog& log = w.occupancyStamps;
    return !log.edited && !log.overflowed && log.floorRows == w.floorRows && BlocksStandAsStamped(w);
}

void RebuildOccupancy(World& w) {
    StampLog& log = w.occupancyStamps;
    if (OccupancyMatchesBlocks(w)) return;
    ClearStampedCells(w);
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a))
        if (IsLBlockKind(a->kind)) StampAndLog(w, a->x, a->y, a->dir);
    log.fromRebuild = log.count;
    log.floorRows = w.floorRows;
}

void PaintLBlockCells(World& w, int x, int y, int dir, int value) {
    w.occupancyStamps.edited = 1;
    if (value == 1)
        StampAndLog(w, x, y, dir);
    else
        StampShape(w, x, y, dir, static_cast<uint8_t>(value));
}

namespace {

// Tests each quarter of a moving block with `test` (a 16 x 16 probe standing
// in for it), with the block's own cells lifted out of the grid meanwhile so
// it never meets itself; the hits of all quarters ORed.
template <class QuarterTest>
int TestQuarters(World& w, const Actor& block, QuarterTest test) {
    PaintLBlockCells(w, block.oldX, block.oldY, block.dir, 0);
    const auto& quarters = LBlockShapeQuarters[ShapeIndex(block.dir)];
    int result = 0;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            if (quarters[i][j]) {
                Actor probe = QuarterProbe(block, i, j);
                result |= test(probe);
            }
    PaintLBlockCells(w, block.oldX, block.oldY, block.dir, 1);
    return result;
}

}  // namespace

int LBlockSideTest(World& w, Actor& block) {
    const int d = SideIndex(block.vx);
    const int result = TestQuarters(w, block, [&](Actor& probe) {
        // The terrain first: a hit puts the probe back before the grid is read.
        const int tile = TileSideTests[d](w, probe);
        return tile | BlockSideTests[d](w, probe);
    });
    if (result == HIT_WALL) block.x = block.oldX;
    return result;
}

int LBlockVerticalTest(World& w, Actor& block) {
    const int v = VerticalIndex(block.vy);
    const int result = TestQuarters(w, block, [&](Actor& probe) {
        const int tile = TileVerticalTests[v](w, probe, TILE_FOOTING);
        return tile | BlockVerticalTests[v](w, probe);
    });
    if (result != HIT_NONE) block.y = block.oldY;
    return result;
}

bool RegionOccupied(const World& w, int x, int y) {
    int any = 0;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) any |= OccupiedAt(w, x + 4 * j, y + 4 * i);
    return any != 0;
}

}  // namespace q
