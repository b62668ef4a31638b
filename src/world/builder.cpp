// The builder: a slow creature that paces its ledge, drops an L-block into
// every gap it reaches and turns back there.
#include "world/actor_pool.hpp"
#include "world/character_sets.hpp"
#include "world/collision.hpp"
#include "world/creatures.hpp"
#include "world/handlers.hpp"
#include "world/lblock.hpp"
#include "world/tiles.hpp"

namespace q {

namespace {

constexpr int kWidth = kTileSize;
constexpr int kHeight = 2 * kTileSize;
constexpr int kFallSpeed = 4;
constexpr int kStepsPerPixel = 3;  // it moves one pixel every third step
constexpr int kSetOffset = 2;  // drawn as the character two after the player's

}  // namespace

int BuilderInit(World&, Actor& a, int x, int y, int) {
    InitActorBox(a, x, y, kWidth, kHeight, BuilderWalk, BuilderDraw);
    a.vx = 1;
    a.vy = kFallSpeed;
    return 1;
}

void BuilderWalk(World& w, Actor& a) {
    a.oldX = a.x;
    a.oldY = a.y;
    a.y += a.vy;
    TileFloorBelow(w, a, TILE_FOOTING);
    BlockFloorBelow(w, a);
    a.timer += 1;
    if (a.timer >= kStepsPerPixel) {
        a.timer = 0;
        a.x += a.vx;
        a.frame += 1;
        if (a.frame > 7) a.frame = 0;
    }
    int d = 0;
    if (a.vx > 0) {
        d = 1;
        a.dir = FACING_RIGHT;
    } else if (a.vx < 0) {
        d = 2;
        a.dir = FACING_LEFT;
    }
    const int tileBlocked = TileSideTests[d](w, a);
    const int blockBlocked = BlockSideTests[d](w, a);
    const int blocked = tileBlocked | blockBlocked;
    int gap = 0;
    // Only the terrain ahead counts as an edge; a block lying in the gap
    // does not keep the builder from turning there.
    if (OnColumn(a) && TileAt(w, a.dir == FACING_RIGHT ? a.x + kTileSize : a.x - kTileSize, a.y + kHeight) < TILE_FOOTING) {
        BuilderPlaceBlock(w, a);
        gap = 1;
    }
    if (blocked == HIT_WALL || gap == 1) {
        a.vx = -a.vx;
        a.dir = 1 - a.dir;  // right and left swap
    }
    KillPlayerOnTouch(w, a);
}

void BuilderPlaceBlock(World& w, Actor& a) {
    const int bx = a.dir == FACING_RIGHT ? a.x + kWidth : a.x - kLBlockSize;
    const int below = a.y + kHeight;
    // The 32 x 32 square under the new block's place must be free of floor
    // and of other blocks; the place itself is not looked at.
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            if (TileAt(w, bx + kTileSize * j, below + kTileSize * i) >= TILE_FOOTING) return;
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 8; ++j)
            if (OccupiedAt(w, bx + 4 * j, below + 4 * i) == 1) return;
    // The block's raised quarter points the way the builder was walking.
    const int kind = a.dir == FACING_RIGHT ? KIND_LBLOCK_1 : KIND_LBLOCK_0;
    const int shape = a.dir == FACING_RIGHT ? SHAPE_RAISED_RIGHT : SHAPE_RAISED_LEFT;
    SpawnActor(w, bx, a.y, kind, 0, LBlockInit, shape);
    w.RequestSe(SE_BLOCK_DROP);
}

void BuilderDraw(const World& w, const Actor& a) { DrawCharacter(a, CharacterSetFor(w, kSetOffset)); }

void KillPlayerOnTouch(World& w, Actor& creature) {
    Actor* player = FindPlayer(w);
    if (!player || !BoxesOverlap(*player, creature)) return;
    player->width = kFlatWidth;
    player->height = kFlatHeight;
    w.playResult = PLAY_RESULT_FAILED;
}

const CharacterSet& CharacterSetFor(const World& w, int offset) {
    return CharacterSets[((w.character + offset) % 3 + 3) % 3];
}

}  // namespace q
