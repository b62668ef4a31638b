#pragma once
#include "world/world.hpp"

namespace q {

enum class Layer { Tiles, Objects };

// Reads outside the floor (x outside 0..639, world y outside
// 0..floorRows*16-1) see 0; writes there are dropped. A point is judged
// before any index is formed, so scans never wrap into a neighbouring row.
// Inline: every collision test reads through these.
inline bool InsideFloor(const World& w, int x, int y) {
    const int worldY = y + w.scrollY;
    return x >= 0 && x < kFloorColumns * 16 && worldY >= 0 && worldY < w.floorRows * 16;
}
// Index into a 40-column layer, or -1 outside the floor.
inline int TileIndex(const World& w, int x, int y) {
    if (!InsideFloor(w, x, y)) return -1;
    return (x >> 4) + ((y + w.scrollY) >> 4) * kFloorColumns;
}
// Index into the occupancy map, or -1 outside the floor.
inline int OccupancyIndex(const World& w, int x, int y) {
    if (!InsideFloor(w, x, y)) return -1;
    return (x >> 2) + ((y + w.scrollY) >> 2) * kOccupancyColumns;
}
inline int TileAt(const World& w, int x, int y, Layer layer = Layer::Tiles) {
    const int i = TileIndex(w, x, y);
    if (i < 0) return 0;
    return layer == Layer::Tiles ? w.tileMap[i] : w.objectMap[i];
}
inline int OccupiedAt(const World& w, int x, int y) {
    const int i = OccupancyIndex(w, x, y);
    return i < 0 ? 0 : w.occupancyMap[i];
}
void SetObjectCell(World& w, int x, int y, int value);
inline bool OnColumn(const Actor& a) { return (a.x & 15) == 0; }
inline bool OnRow(const World& w, const Actor& a) { return ((a.y + w.scrollY) & 15) == 0; }

// What a collision test met. The tests of one axis are ORed together, so a
// sideways wall and a bump from below share a value.
enum Hit : int { HIT_NONE = 0, HIT_WALL = 1, HIT_CEILING = 1, HIT_FLOOR = 2 };

using SideTest = int (*)(World&, Actor&);
using TileVerticalTest = int (*)(World&, Actor&, int threshold);
using BlockVerticalTest = int (*)(World&, Actor&);

int NoTest(World& w, Actor& a);
int TileWallRight(World& w, Actor& a);
int TileWallLeft(World& w, Actor& a);
int BlockWallRight(World& w, Actor& a);
int BlockWallLeft(World& w, Actor& a);
int TileFloorBelow(World& w, Actor& a, int threshold);
int TileCeilingAbove(World& w, Actor& a, int threshold);
int BlockFloorBelow(World& w, Actor& a);
int BlockCeilingAbove(World& w, Actor& a);

extern const SideTest TileSideTests[3];
extern const SideTest BlockSideTests[3];
extern const TileVerticalTest TileVerticalTests[2];
extern const BlockVerticalTest BlockVerticalTests[2];
int SideIndex(int vx);      // 0 still, 1 right, 2 left
int VerticalIndex(int vy);  // 0 down, 1 otherwise

int OnLadder(const World& w, const Actor& a);
int HeadroomBlocked(const World& w, const Actor& a);
void RebuildOccupancy(World& w);
void PaintLBlockCells(World& w, int x, int y, int dir, int value);
int LBlockSideTest(World& w, Actor& block);
int LBlockVerticalTest(World& w, Actor& block);
int RegionOccupied(const World& w, int x, int y);
int BoxesOverlap(const Actor& a, const Actor& b);
int TouchesPlayer(World& w, const Actor& a);

extern const uint8_t LBlockShapeFine[2][8][8];
extern const uint8_t LBlockShapeQuarters[2][2][2];

}  // namespace q
