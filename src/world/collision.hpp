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
    return x >= 0 && x < kFloorColumns * kTileSize && worldY >= 0 && worldY < w.floorRows * kTileSize;
}
// Index into a 40-column layer, or -1 outside the floor.
inline int TileIndex(const World& w, int x, int y) {
    if (!InsideFloor(w, x, y)) return -1;
    return (x >> kTileShift) + ((y + w.scrollY) >> kTileShift) * kFloorColumns;
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

// Whether `hit` holds for any of `count` points of a layer from (x, y),
// `stepX` and `stepY` pixels apart; the layer's cells are `1 << shift` pixels
// square, `columns` to a row. The floor's edges are judged once when both
// ends of the run lie inside (then every point between does); a run that
// crosses an edge is judged point by point, and points outside read 0. The
// steps are whole cells, so the run is a fixed stride through the layer.
template <class Cell, class Hit>
inline bool AnyInRun(const World& w, const Cell* layer, int shift, int columns, int x, int y, int stepX, int stepY,
                     int count, Hit hit) {
    if (count <= 0) return false;
    if (InsideFloor(w, x, y) && InsideFloor(w, x + stepX * (count - 1), y + stepY * (count - 1))) {
        const Cell* cell = layer + (x >> shift) + ((y + w.scrollY) >> shift) * columns;
        const int stride = (stepX >> shift) + (stepY >> shift) * columns;
        for (int i = 0; i < count; ++i, cell += stride)
            if (hit(int(*cell))) return true;
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const int px = x + stepX * i, py = y + stepY * i;
        const int value = InsideFloor(w, px, py) ? int(layer[(px >> shift) + ((py + w.scrollY) >> shift) * columns]) : 0;
        if (hit(value)) return true;
    }
    return false;
}
// Runs of terrain tiles (16 pixels) and of occupancy cells (4 pixels).
template <class Hit>
inline bool AnyTileInRun(const World& w, int x, int y, int stepX, int stepY, int count, Hit hit) {
    return AnyInRun(w, w.tileMap.data(), kTileShift, kFloorColumns, x, y, stepX, stepY, count, hit);
}
template <class Hit>
inline bool AnyCellInRun(const World& w, int x, int y, int stepX, int stepY, int count, Hit hit) {
    return AnyInRun(w, w.occupancyMap.data(), 2, kOccupancyColumns, x, y, stepX, stepY, count, hit);
}

void SetObjectCell(World& w, int x, int y, int value);
inline bool OnColumn(const Actor& a) { return (a.x & (kTileSize - 1)) == 0; }
inline bool OnRow(const World& w, const Actor& a) { return ((a.y + w.scrollY) & (kTileSize - 1)) == 0; }

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
inline int SideIndex(int vx) { return vx == 0 ? 0 : (vx > 0 ? 1 : 2); }  // 0 still, 1 right, 2 left
inline int VerticalIndex(int vy) { return vy > 0 ? 0 : 1; }                // 0 down, 1 otherwise

bool OnLadder(const World& w, const Actor& a);
bool HeadroomBlocked(const World& w, const Actor& a);
// Every cell empty, as a floor starts.
void ClearOccupancy(World& w);
void RebuildOccupancy(World& w);
// True when the map is the one the blocks would stamp afresh: the last
// rebuild stamped these blocks where they stand and nothing painted since.
bool OccupancyMatchesBlocks(World& w);
void PaintLBlockCells(World& w, int x, int y, int dir, int value);
int LBlockSideTest(World& w, Actor& block);
int LBlockVerticalTest(World& w, Actor& block);
bool RegionOccupied(const World& w, int x, int y);
bool BoxesOverlap(const Actor& a, const Actor& b);
bool TouchesPlayer(World& w, const Actor& a);

extern const uint8_t LBlockShapeFine[2][8][8];
extern const uint8_t LBlockShapeQuarters[2][2][2];

}  // namespace q
