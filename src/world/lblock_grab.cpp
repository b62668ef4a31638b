// Taking hold of an L-block: where the player must stand, and whether the
// block is free to be lifted.
#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/lblock.hpp"

namespace q {

namespace {

// The three tile-sized squares that must be empty before a block can be lifted,
// by dir: above the raised quarter, above the notch, and the notch itself.
constexpr int kClearSquares[2][3][2] = {
    {{0, -kTileSize}, {kTileSize, -kTileSize}, {kTileSize, 0}},
    {{0, 0}, {0, -kTileSize}, {kTileSize, -kTileSize}},
};

}  // namespace

bool GrabPositionMatches(const Actor& player, const Actor& block) {
    const int dx = player.x - block.x;
    const int dy = player.y - block.y;
    // The block may stand a tile lower only when its near quarter is the
    // raised one.
    if (player.dir == FACING_LEFT) {
        if (dx != kLBlockSize) return false;
        if (block.dir == SHAPE_RAISED_RIGHT) return dy == 0 || dy == kTileSize || dy == -kTileSize;
        if (block.dir == SHAPE_RAISED_LEFT) return dy == 0 || dy == kTileSize;
        return false;
    }
    if (player.dir == FACING_RIGHT) {
        if (dx != -kTileSize) return false;
        if (block.dir == SHAPE_RAISED_LEFT) return dy == 0 || dy == kTileSize || dy == -kTileSize;
        if (block.dir == SHAPE_RAISED_RIGHT) return dy == 0 || dy == kTileSize;
        return false;
    }
    return false;
}

bool LBlockClearAbove(const World& w, const Actor& block) {
    const int dir = block.dir == SHAPE_RAISED_RIGHT ? 1 : 0;
    for (const auto& square : kClearSquares[dir])
        if (RegionOccupied(w, block.x + square[0], block.y + square[1])) return false;
    return true;
}

void TryGrabLBlock(World& w, Actor& player) {
    for (Actor* block = FirstActive(w); block; block = NextActive(w, *block)) {
        if (!IsLBlockKind(block->kind)) continue;
        if (!GrabPositionMatches(player, *block)) continue;
        if (block->update != LBlockRest) continue;
        if (!LBlockClearAbove(w, *block)) continue;
        w.liftOriginX = block->x;
        w.liftOriginY = block->y;
        block->update = LBlockLift;
        SetPlayerHandler(w, PlayerFrozen);
        w.RequestSe(SE_LIFT);
    }
}

}  // namespace q
