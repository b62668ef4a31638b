// The sideways and vertical tests of a moving box against the terrain (16-pixel
// tiles) and the L-blocks (4-pixel occupancy cells). A hit puts the moved
// coordinate back to where the step began.
#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/player.hpp"
#include "world/tiles.hpp"

namespace q {

namespace {


// Tiles an edge of the box covers: one more when it is off the grid.
int TileRows(const World& w, const Actor& a) { return (a.height >> kTileShift) + (OnRow(w, a) ? 0 : 1); }
int TileCols(const Actor& a) { return (a.width >> kTileShift) + (OnColumn(a) ? 0 : 1); }
int CellRows(const Actor& a) { return (a.height >> 2) + ((a.y & 3) == 0 ? 0 : 1); }
int CellCols(const Actor& a) { return (a.width >> 2) + ((a.x & 3) == 0 ? 0 : 1); }

bool Solid(int tile) { return tile >= TILE_SOLID; }
bool Occupied(int cell) { return cell > 0; }

int TileWallAt(const World& w, Actor& a, int edgeX) {
    if (!AnyTileInRun(w, edgeX, a.y, 0, kTileSize, TileRows(w, a), Solid)) return 0;
    a.x = a.oldX;
    return HIT_WALL;
}

int TileRowHit(const World& w, Actor& a, int edgeY, int threshold) {
    if (!AnyTileInRun(w, a.x, edgeY, kTileSize, 0, TileCols(a), [threshold](int t) { return t >= threshold; })) return 0;
    a.y = a.oldY;
    a.fallStep = kRestFallStep;
    return 1;
}

int BlockWallAt(const World& w, Actor& a, int edgeX) {
    if (!AnyCellInRun(w, edgeX, a.y, 0, 4, CellRows(a), Occupied)) return 0;
    a.x = a.oldX;
    return HIT_WALL;
}

int BlockRowHit(const World& w, Actor& a, int edgeY) {
    if (!AnyCellInRun(w, a.x, edgeY, 4, 0, CellCols(a), Occupied)) return 0;
    a.y = a.oldY;
    a.fallStep = kRestFallStep;
    return 1;
}

}  // namespace

int NoTest(World&, Actor&) { return 0; }
int TileWallRight(World& w, Actor& a) { return TileWallAt(w, a, a.x + a.width - 1); }
int TileWallLeft(World& w, Actor& a) { return TileWallAt(w, a, a.x); }
int BlockWallRight(World& w, Actor& a) { return BlockWallAt(w, a, a.x + a.width - 1); }
int BlockWallLeft(World& w, Actor& a) { return BlockWallAt(w, a, a.x); }

// Downward tests answer a floor and upward ones a ceiling, so a caller can
// tell a landing from a bump.
int TileFloorBelow(World& w, Actor& a, int threshold) {
    return TileRowHit(w, a, a.y + a.height - 1, threshold) ? HIT_FLOOR : HIT_NONE;
}
int TileCeilingAbove(World& w, Actor& a, int threshold) { return TileRowHit(w, a, a.y, threshold) ? HIT_CEILING : HIT_NONE; }
int BlockFloorBelow(World& w, Actor& a) { return BlockRowHit(w, a, a.y + a.height - 1) ? HIT_FLOOR : HIT_NONE; }
int BlockCeilingAbove(World& w, Actor& a) { return BlockRowHit(w, a, a.y) ? HIT_CEILING : HIT_NONE; }

const SideTest TileSideTests[3] = {NoTest, TileWallRight, TileWallLeft};
const SideTest BlockSideTests[3] = {NoTest, BlockWallRight, BlockWallLeft};
const TileVerticalTest TileVerticalTests[2] = {TileFloorBelow, TileCeilingAbove};
const BlockVerticalTest BlockVerticalTests[2] = {BlockFloorBelow, BlockCeilingAbove};


bool OnLadder(const World& w, const Actor& a) {
    const int rows = TileRows(w, a);
    const int cols = TileCols(a);
    for (int i = 0; i < rows; ++i)
        if (AnyTileInRun(w, a.x, a.y + kTileSize * i, kTileSize, 0, cols, IsLadderTile)) return true;
    return false;
}

// Looks at the 16-pixel column beside the walker from 16 pixels above its head
// down to its waist: free means what stopped it is a low step with room above.
bool HeadroomBlocked(const World& w, const Actor& a) {
    const int px = a.vx > 0 ? a.x + a.width : a.x - kTileSize;
    const int py = a.y - a.height / 2;
    if (AnyTileInRun(w, px, py, 0, kTileSize, 2, Solid)) return true;
    for (int i = 0; i < 8; ++i)
        if (AnyCellInRun(w, px, py + 4 * i, 4, 0, 4, [](int cell) { return cell == 1; })) return true;
    return false;
}

bool TouchesPlayer(World& w, const Actor& a) {
    const Actor* player = FindPlayer(w);
    return player && BoxesOverlap(*player, a);
}

}  // namespace q
