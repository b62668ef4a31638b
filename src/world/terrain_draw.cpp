// Drawing the background and the visible tile rows of the floor.
#include "platform/sprite.hpp"
#include "world/floor.hpp"

namespace q {

namespace {

constexpr uint32_t kUntinted = 0xFFFFFFFF;
constexpr Rect kBackground{1405, 0, 2045, 512};
// The background picture repeats every 32 pixels of scrolling.
constexpr int kBackgroundPeriod = 32;
constexpr int kVisibleTileRows = 31;

bool NeverDrawn(int t) { return t == 1 || t == 2 || t == 17 || t == 18; }

}  // namespace

Rect TileSourceRect(int t) {
    if (t < 0 || t > 31) return {};
    const int left = 800 + (t % 8) * 16;
    const int top = 284 + (t / 8) * 16;
    return {left, top, left + 16, top + 16};
}

void DrawTerrain(const World& w) {
    const int b = w.scrollY % kBackgroundPeriod;
    DrawSprite({0, -b, kScreenWidth, 512 - b}, kBackground, kUntinted);

    const int top = w.scrollY >> 4;
    const int f = w.scrollY & 15;
    const int lastCell = w.floorRows * kFloorColumns - 1;
    for (int r = 0; r < kVisibleTileRows; ++r) {
        for (int c = 0; c < kFloorColumns; ++c) {
            const int cell = (top + r) * kFloorColumns + c;
            if (cell < 0 || cell > lastCell) return;
            const int t = w.tileMap[cell];
            // Bytes outside the 32 tile pictures have nothing to show.
            if (t < 0 || t > 31 || NeverDrawn(t)) continue;
            const int x = c * 16;
            const int y = r * 16 - f;
            DrawSprite({x, y, x + 16, y + 16}, TileSourceRect(t), kUntinted);
        }
    }
}

}  // namespace q
