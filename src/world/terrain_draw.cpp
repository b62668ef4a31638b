// Drawing the background and the visible tile rows of the floor.
#include "platform/core/sprite.hpp"
#include "world/floor.hpp"

namespace q {

namespace {

// The background picture repeats every 32 pixels of scrolling.
constexpr int kBackgroundPeriod = 32;

}  // namespace

Rect TileSourceRect(int t) {
    if (t < 0 || t > 31) return {};
    return atlas::kTiles[t];
}

void DrawTerrain(const World& w) {
    const int b = w.scrollY % kBackgroundPeriod;
    const Rect background = atlas::kBackground;
    DrawSprite({0, -b, kScreenWidth, background.Height() - b}, background, kUntinted);

    const int top = w.scrollY >> kTileShift;
    const int f = w.scrollY & (kTileSize - 1);
    const int lastCell = w.floorRows * kFloorColumns - 1;
    for (int r = 0; r < kScreenRows; ++r) {
        for (int c = 0; c < kFloorColumns; ++c) {
            const int cell = (top + r) * kFloorColumns + c;
            if (cell < 0 || cell > lastCell) return;
            // Bytes outside the 32 tiles, and the tiles without a picture,
            // have nothing to show.
            const Rect src = TileSourceRect(w.tileMap[cell]);
            if (src.Width() == 0) continue;
            const int x = c * kTileSize;
            const int y = r * kTileSize - f;
            DrawSprite({x, y, x + kTileSize, y + kTileSize}, src, kUntinted);
        }
    }
}

}  // namespace q
