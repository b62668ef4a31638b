// Reading and writing the floor's layers at screen points. Everything outside
// the floor reads as 0 and takes no writes; a point is judged before any
// index is formed, so no scan can wrap into a neighbouring row.
#include "world/collision.hpp"

namespace q {

namespace {

bool InsideFloor(const World& w, int x, int y) {
    const int worldY = y + w.scrollY;
    return x >= 0 && x < kFloorColumns * 16 && worldY >= 0 && worldY < w.floorRows * 16;
}

}  // namespace

int TileIndex(const World& w, int x, int y) {
    if (!InsideFloor(w, x, y)) return -1;
    return (x >> 4) + ((y + w.scrollY) >> 4) * kFloorColumns;
}

int OccupancyIndex(const World& w, int x, int y) {
    if (!InsideFloor(w, x, y)) return -1;
    return (x >> 2) + ((y + w.scrollY) >> 2) * kOccupancyColumns;
}

int TileAt(const World& w, int x, int y, Layer layer) {
    const int i = TileIndex(w, x, y);
    if (i < 0) return 0;
    return layer == Layer::Tiles ? w.tileMap[i] : w.objectMap[i];
}

int OccupiedAt(const World& w, int x, int y) {
    const int i = OccupancyIndex(w, x, y);
    return i < 0 ? 0 : w.occupancyMap[i];
}

void SetObjectCell(World& w, int x, int y, int value) {
    const int i = TileIndex(w, x, y);
    if (i >= 0) w.objectMap[i] = static_cast<int8_t>(value);
}

bool OnColumn(const Actor& a) { return (a.x & 15) == 0; }
bool OnRow(const World& w, const Actor& a) { return ((a.y + w.scrollY) & 15) == 0; }

int BoxesOverlap(const Actor& a, const Actor& b) {
    return (a.x + a.width - 1 >= b.x && a.y + a.height - 1 >= b.y && b.x + b.width - 1 >= a.x &&
            b.y + b.height - 1 >= a.y)
               ? 1
               : 0;
}

}  // namespace q
