// The seven states of an L-block: falling, resting (with the wobble before a
// fall), and the two-step moves of a lift and a put-down.
#include "platform/core/sprite.hpp"
#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/lblock.hpp"
#include "world/player.hpp"
#include "world/tiles.hpp"

namespace q {

namespace {

constexpr int kLiftSpeed = 8;
constexpr int kShiftSpeed = 8;
constexpr int kLowerSpeed = 8;
constexpr int kMoveSteps = 2;  // steps of a sideways or downward half-move
constexpr int kWobbleDrop = 4;  // pixels a wobbling block is drawn lower


void BeginStep(Actor& a) {
    a.oldX = a.x;
    a.oldY = a.y;
}

}  // namespace

int LBlockInit(World&, Actor& a, int x, int y, int dir) {
    a.x = a.oldX = x;
    a.y = a.oldY = y;
    a.width = a.height = kLBlockSize;
    a.dir = dir;
    a.command = 0;
    a.vx = 0;
    a.vy = 0;
    a.frame = 0;
    a.fallStep = 0;
    a.timer = kLBlockRestSteps;
    a.update = LBlockFall;
    a.draw = LBlockDraw;
    return 1;
}

bool LBlockNeighbourBelow(World& w, Actor& block, int dy) {
    for (Actor* other = FirstActive(w); other; other = NextActive(w, *other)) {
        if (!IsLBlockKind(other->kind) || other->dir != block.dir) continue;
        const int dx = block.dir == SHAPE_RAISED_RIGHT ? block.x - other->x : other->x - block.x;
        if (dx == kLBlockSize && block.y - other->y == dy) {
            block.y = block.oldY;
            return true;
        }
    }
    return false;
}

void CancelBlockMove(World& w, Actor& block, ActorHandler blockHandler, ActorHandler playerHandler) {
    block.x = w.liftOriginX;
    block.y = w.liftOriginY;
    block.update = blockHandler;
    SetPlayerHandler(w, playerHandler);
}

void LBlockFall(World& w, Actor& a) {
    BeginStep(a);
    a.vx = 0;
    a.vy = kLBlockFallSpeed;
    a.y += kLBlockFallSpeed;
    // Each test may put y back, and the next one sees that.
    const int onTile = TileFloorBelow(w, a, TILE_FOOTING);
    const int onBlock = BlockFloorBelow(w, a);
    const bool onStair = LBlockNeighbourBelow(w, a, -kLBlockFallSpeed);
    if (onTile | onBlock | onStair) {
        a.timer = kLBlockRestSteps;
        a.update = LBlockRest;
        return;
    }
    PushPlayerDown(w, a);
    SquashCreatures(w, a);
}

void LBlockRest(World& w, Actor& a) {
    BeginStep(a);
    const int below = a.y + kLBlockSize;
    // The two tile numbers are ORed, not compared one by one: 16 and 12 hold.
    const int tiles = TileAt(w, a.x, below) | TileAt(w, a.x + kLBlockSize - 1, below);
    // Most blocks stand on the ground, so the grid below and the staircase
    // search (the costly part of a step) are read only when the tiles do not
    // hold the block.
    const bool supported = tiles >= TILE_FOOTING ||
                           (OccupiedAt(w, a.x, below) | OccupiedAt(w, a.x + kLBlockSize - 1, below)) == 1 ||
                           LBlockNeighbourBelow(w, a, -kLBlockSize);
    if (supported) {
        a.timer = kLBlockRestSteps;
        return;
    }
    a.timer -= 1;
    if (a.timer <= 0) a.update = LBlockFall;
}

void LBlockLift(World& w, Actor& a) {
    BeginStep(a);
    Actor* player = FindPlayer(w);
    if (!player) {
        // Nobody holds it up any more: drop it where the lift started.
        CancelBlockMove(w, a, LBlockFall, PlayerWalk);
        return;
    }
    if (player->y - a.y == kLBlockSize) {
        a.timer = kMoveSteps;
        a.vx = player->x > a.x ? kShiftSpeed : -kShiftSpeed;
        a.update = LBlockShiftIn;
    } else {
        a.vy = -kLiftSpeed;
        a.y -= kLiftSpeed;
        if (LBlockVerticalTest(w, a) == HIT_CEILING) CancelBlockMove(w, a, LBlockFall, PlayerWalk);
    }
    LiftCreatures(w, a);
}

void LBlockShiftIn(World& w, Actor& a) {
    BeginStep(a);
    if (a.timer > 0) {
        a.timer -= 1;
        a.x += a.vx;
        if (LBlockSideTest(w, a) == HIT_WALL) CancelBlockMove(w, a, LBlockFall, PlayerWalk);
    }
    // Looked at whatever the move did, so a block stopped on its last move is
    // still taken into the player's hands.
    if (a.timer == 0) {
        a.vx = 0;
        a.update = LBlockCarried;
        w.heldActor = w.IndexOf(a);
        SetPlayerHandler(w, PlayerCarry);
    }
    LiftCreatures(w, a);
}

void LBlockCarried(World& w, Actor& a) {
    BeginStep(a);
    Actor* player = FindPlayer(w);
    if (!player) {
        a.update = LBlockFall;
        return;
    }
    a.y = player->y - kLBlockSize;
    a.x = player->dir == FACING_RIGHT ? player->x : player->x - kTileSize;
    const int dy = a.y - a.oldY;
    const int dx = a.x - a.oldX;
    a.vy = dy;
    const int v = dy != 0 ? LBlockVerticalTest(w, a) : 0;
    a.vx = dx;
    const int h = LBlockSideTest(w, a);
    if (v == HIT_CEILING) {
        player->y = player->oldY;
        player->fallStep = kRestFallStep;
    }
    if (h == HIT_WALL) {
        player->x = player->oldX;
        player->fallStep = kRestFallStep;
    }
    if (v == HIT_FLOOR) {
        // The load stays on what it hit; the player drops away from under it.
        SetPlayerHandler(w, PlayerWalk);
        a.update = LBlockRest;
    }
    LiftCreatures(w, a);
}

void LBlockShiftOut(World& w, Actor& a) {
    BeginStep(a);
    if (a.timer > 0) {
        a.timer -= 1;
        a.x += a.vx;
        if (LBlockSideTest(w, a) == HIT_WALL) CancelBlockMove(w, a, LBlockCarried, PlayerCarry);
    }
    if (a.timer == 0) {
        a.timer = kMoveSteps;
        a.vy = kLowerSpeed;
        a.update = LBlockLower;
    }
}

void LBlockLower(World& w, Actor& a) {
    BeginStep(a);
    if (a.timer > 0) {
        a.timer -= 1;
        a.y += a.vy;
        if (LBlockVerticalTest(w, a) == HIT_FLOOR) CancelBlockMove(w, a, LBlockCarried, PlayerCarry);
    }
    if (a.timer == 0) {
        a.vx = 0;
        a.vy = kLBlockFallSpeed;
        a.update = LBlockFall;
        SetPlayerHandler(w, PlayerWalk);
    }
}

void LBlockDraw(const World&, const Actor& a) {
    const bool heavy = a.kind == KIND_HEAVY_LBLOCK_0 || a.kind == KIND_HEAVY_LBLOCK_1;
    const int dir = a.dir == SHAPE_RAISED_RIGHT ? 1 : 0;
    // A block about to fall shakes: lower on every odd count of its wobble.
    const bool wobbleDown = a.update == LBlockRest && a.timer < kLBlockRestSteps && (a.timer & 1) != 0;
    const int top = wobbleDown ? a.y + kWobbleDrop : a.y;
    const Rect picture = heavy ? atlas::kHeavyBlocks[dir] : atlas::kLightBlocks[dir];
    DrawSprite(Rect{a.x, top, a.x + kLBlockSize, top + kLBlockSize}, picture, kUntinted);
}

}  // namespace q
