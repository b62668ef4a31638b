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
int TileRows(const World& w, const Actor& a) { return (a.height >> 4) + (OnRow(w, a) ? 0 : 1); }
int TileCols(const Actor& a) { return (a.width >> 4) + (OnColumn(a) ? 0 : 1); }
int CellRows(const Actor& a) { return (a.height >> 2) + ((a.y & 3) == 0 ? 0 : 1); }
int CellCols(const Actor& a) { return (a.width >> 2) + ((a.x & 3) == 0 ? 0 : 1); }

int TileWallAt(const World& w, Actor& a, int edgeX) {
    const int rows = TileRows(w, a);
    for (int i = 0; i < rows; ++i) {
        if (TileAt(w, edgeX, a.y + 16 * i) >= TILE_SOLID) {
            a.x = a.oldX;
            return HIT_WALL;
        }
    }
    return 0;
}

int TileRowHit(const World& w, Actor& a, int edgeY, int threshold) {
    const int cols = TileCols(a);
    for (int j = 0; j < cols; ++j) {
        if (TileAt(w, a.x + 16 * j, edgeY) >= threshold) {
            a.y = a.oldY;
            a.fallStep = kRestFallStep;
            return 1;
        }
    }
    return 0;
}

int BlockWallAt(const World& w, Actor& a, int edgeX) {
    const int rows = CellRows(a);
    for (int i = 0; i < rows; ++i) {
        if (OccupiedAt(w, edgeX, a.y + 4 * i) > 0) {
            a.x = a.oldX;
            return HIT_WALL;
        }
    }
    return 0;
}

int BlockRowHit(const World& w, Actor& a, int edgeY) {
    const int cols = CellCols(a);
    for (int j = 0; j < cols; ++j) {
        if (OccupiedAt(w, a.x + 4 * j, edgeY) > 0) {
            a.y = a.oldY;
            a.fallStep = kRestFallStep;
            return 1;
        }
    }
    return 0;
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

int SideIndex(int vx) { return vx == 0 ? 0 : (vx > 0 ? 1 : 2); }
int VerticalIndex(int vy) { return vy > 0 ? 0 : 1; }

int OnLadder(const World& w, const Actor& a) {
    const int rows = TileRows(w, a);
    const int cols = TileCols(a);
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            const int t = TileAt(w, a.x + 16 * j, a.y + 16 * i);
            if (IsLadderTile(t)) return 1;
        }
    }
    return 0;
}

// Looks at the 16-pixel column beside the walker from 16 pixels above its head
// down to its waist: free means what stopped it is a low step with room above.
int HeadroomBlocked(const World& w, const Actor& a) {
    const int px = a.vx > 0 ? a.x + a.width : a.x - 16;
    const int py = a.y - a.height / 2;
    int blocked = 0;
    if (TileAt(w, px, py) >= TILE_SOLID) blocked = 1;
    if (TileAt(w, px, py + 16) >= TILE_SOLID) blocked = 1;
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 4; ++j)
            if (OccupiedAt(w, px + 4 * j, py + 4 * i) == 1) blocked = 1;
    return blocked;
}

int TouchesPlayer(World& w, const Actor& a) {
    const Actor* player = FindPlayer(w);
    return player ? BoxesOverlap(*player, a) : 0;
}

}  // namespace q
