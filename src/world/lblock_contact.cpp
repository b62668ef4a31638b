// What an L-block does to those it meets: it pushes down or crushes the
// player it falls on, squashes a creature under it, and carries a chaser up
// when it rises through one.
#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/lblock.hpp"
#include "world/tiles.hpp"

namespace q {

namespace {

constexpr int kSquashSteps = 50;

// The tile-sized box of the quarter at row i, column j of a block.
Actor QuarterBox(const Actor& block, int i, int j) {
    Actor q{};
    q.x = block.x + kTileSize * j;
    q.y = block.y + kTileSize * i;
    q.width = kTileSize;
    q.height = kTileSize;
    return q;
}

bool HasQuarter(const Actor& block, int i, int j) {
    return LBlockShapeQuarters[block.dir == SHAPE_RAISED_RIGHT ? 1 : 0][i][j] != 0;
}

bool OverlapsAQuarter(const Actor& block, const Actor& other) {
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
            if (HasQuarter(block, i, j) && BoxesOverlap(QuarterBox(block, i, j), other)) return true;
    return false;
}

}  // namespace

void PushPlayerDown(World& w, Actor& block) {
    Actor* player = FindPlayer(w);
    if (!player || block.y > player->y || !TouchesPlayer(w, block)) return;
    player->y = block.y + kLBlockSize;
    player->vy = kPushSpeed;
    // With ground right under the pushed-down feet there is no room: crushed.
    const int feet = player->y + player->height - 1;
    const int right = player->x + player->width - 1;
    if (TileAt(w, player->x, feet) >= TILE_FOOTING || TileAt(w, right, feet) >= TILE_FOOTING ||
        OccupiedAt(w, player->x, feet) == 1 || OccupiedAt(w, right, feet) == 1)
        player->update = PlayerCrushed;
}

void SquashCreatures(World& w, Actor& block) {
    for (Actor* c = FirstActive(w); c; c = NextActive(w, *c)) {
        if (c->kind != KIND_BUILDER && c->kind != KIND_CHASER) continue;
        if (!BoxesOverlap(*c, block) || c->update == Squashed || !OverlapsAQuarter(block, *c)) continue;
        c->timer = kSquashSteps;
        c->y += c->height;
        c->update = Squashed;
        w.RequestSe(SE_SQUASHED);
        return;
    }
}

void Squashed(World&, Actor& a) {
    a.width = kFlatWidth;
    a.height = kFlatHeight;
    if (a.timer <= 0)
        a.alive = 0;
    else
        a.timer -= 1;
}

void LiftCreatures(World& w, Actor& block) {
    for (Actor* c = FirstActive(w); c; c = NextActive(w, *c)) {
        if (c->kind != KIND_CHASER || !BoxesOverlap(*c, block)) continue;
        bool moved = false;
        // Quarters top row first; each test sees where the last one put it.
        for (int i = 0; i < 2; ++i) {
            for (int j = 0; j < 2; ++j) {
                if (!HasQuarter(block, i, j)) continue;
                const Actor quarter = QuarterBox(block, i, j);
                if (BoxesOverlap(quarter, *c)) {
                    c->y = quarter.y - c->height;
                    moved = true;
                }
            }
        }
        if (moved) return;
    }
}

}  // namespace q
