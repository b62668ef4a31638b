// The chaser: walks at the player's pace on two steps out of three, hops
// 16-pixel steps, turns at higher walls and takes ladders towards the
// player's height.
#include "world/actor_pool.hpp"
#include "world/character_sets.hpp"
#include "world/collision.hpp"
#include "world/creatures.hpp"
#include "world/handlers.hpp"
#include "world/player.hpp"
#include "world/tiles.hpp"

namespace q {

namespace {

constexpr int kWidth = kTileSize;
constexpr int kHeight = 2 * kTileSize;
constexpr int kSetOffset = 1;  // drawn as the character one after the player's

void AdvanceAnimation(Actor& a) {
    a.frame += 1;
    if (a.frame > 7) a.frame = 0;
    a.timer += 1;
    if (a.timer > 2) a.timer = 0;
}

}  // namespace

int ChaserInit(World& w, Actor& a, int x, int y, int) {
    InitActorBox(a, x, y, kWidth, kHeight, ChaserWalk, ChaserDraw);
    const Actor* player = FindPlayer(w);
    if (!player) return 0;
    a.command = player->x > x ? CMD_RIGHT : CMD_LEFT;
    return 1;
}

void ChaserWalk(World& w, Actor& a) {
    a.oldX = a.x;
    a.oldY = a.y;
    if (a.command == CMD_RIGHT) {
        a.dir = FACING_RIGHT;
        a.vx = kWalkSpeed;
    } else if (a.command == CMD_LEFT) {
        a.dir = FACING_LEFT;
        a.vx = -kWalkSpeed;
    }
    // The same rise and fall as the player's hop.
    a.vy = VerticalSpeedTable[a.fallStep];
    a.y += a.vy;
    if (a.fallStep < kLastFallStep) a.fallStep += 1;

    const int vi = VerticalIndex(a.vy);
    // Ladder tops hold it on foot; only solid tiles stop it rising.
    int v = a.vy > 0 ? TileFloorBelow(w, a, TILE_LADDER) : TileCeilingAbove(w, a, TILE_SOLID);
    v |= BlockVerticalTests[vi](w, a);

    // It does not move sideways while falling, and rests every third step.
    if (a.oldY >= a.y && (a.timer == 0 || a.timer == 2)) a.x += a.vx;

    const int d = SideIndex(a.vx);
    const int tileSide = TileSideTests[d](w, a);
    const int blockSide = BlockSideTests[d](w, a);
    const int s = tileSide | blockSide;

    if (v == HIT_FLOOR && s == HIT_WALL) {
        if (!HeadroomBlocked(w, a))
            a.fallStep = 0;
        else
            ChaserTurn(w, a);
    }
    AdvanceAnimation(a);

    const bool aligned = OnColumn(a);
    if (aligned && OnLadder(w, a)) ChaserEnterLadder(w, a);
    if (v == HIT_FLOOR && aligned && OnLadderTop(w, a)) ChaserDescend(w, a);
    KillPlayerOnTouch(w, a);
}

void ChaserClimb(World& w, Actor& a) {
    a.oldX = a.x;
    a.oldY = a.y;
    a.dir = FACING_CLIMBING;
    if (a.command == CMD_DOWN)
        a.vy = kClimbSpeed;
    else if (a.command == CMD_UP)
        a.vy = -kClimbSpeed;
    a.y += a.vy;

    const int vi = VerticalIndex(a.vy);
    const int tileHit = TileVerticalTests[vi](w, a, TILE_SOLID);
    const int blockHit = BlockVerticalTests[vi](w, a);
    if ((tileHit | blockHit) != HIT_NONE) ChaserLeaveLadder(w, a);

    const bool aligned = OnColumn(a);
    if (aligned && !OnLadder(w, a)) ChaserLeaveLadder(w, a);
    if (aligned) ChaserLevelCheck(w, a);
    AdvanceAnimation(a);
    KillPlayerOnTouch(w, a);
}

void ChaserTurn(World&, Actor& a) {
    if (a.command == CMD_RIGHT) {
        a.command = CMD_LEFT;
        a.dir = FACING_LEFT;
        a.vx = -kWalkSpeed;
    } else {
        a.command = CMD_RIGHT;
        a.dir = FACING_RIGHT;
        a.vx = kWalkSpeed;
    }
}

void ChaserEnterLadder(World& w, Actor& a) {
    const Actor* player = FindPlayer(w);
    if (!player) return;
    // The climbing direction is fixed by where the player is now.
    if (player->y > a.y)
        a.vy = kClimbSpeed;
    else if (player->y < a.y)
        a.vy = -kClimbSpeed;
    else
        return;
    a.vx = 0;
    a.command = CMD_NONE;
    a.dir = FACING_CLIMBING;
    a.update = ChaserClimb;
}

void ChaserDescend(World& w, Actor& a) {
    const Actor* player = FindPlayer(w);
    if (!player || player->y <= a.y) return;
    a.vx = 0;
    a.command = CMD_DOWN;
    a.vy = kClimbSpeed;
    a.dir = FACING_CLIMBING;
    a.update = ChaserClimb;
}

void ChaserLeaveLadder(World& w, Actor& a) {
    const Actor* player = FindPlayer(w);
    if (!player) return;
    a.vy = 0;
    a.command = CMD_NONE;
    a.frame = 0;
    a.timer = 1;
    a.fallStep = kRestFallStep;
    // It always walks off towards the player.
    if (player->x > a.x) {
        a.command = CMD_RIGHT;
        a.vx = kWalkSpeed;
        a.dir = FACING_RIGHT;
    } else {
        a.command = CMD_LEFT;
        a.vx = -kWalkSpeed;
        a.dir = FACING_LEFT;
    }
    a.update = ChaserWalk;
}

void ChaserLevelCheck(World& w, Actor& a) {
    const Actor* player = FindPlayer(w);
    if (!player) return;
    if (a.y + kHeight - 1 >= player->y && player->y + player->height - 1 >= a.y) ChaserLeaveLadder(w, a);
}

bool OnLadderTop(const World& w, const Actor& a) {
    if (!IsLadderTile(TileAt(w, a.x, a.y + kHeight))) return false;
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 8; ++j)
            if (OccupiedAt(w, a.x + 4 * j, a.y + kHeight + 4 * i) == 1) return false;
    return true;
}

void ChaserDraw(const World& w, const Actor& a) { DrawCharacter(a, CharacterSetFor(w, kSetOffset)); }

}  // namespace q
