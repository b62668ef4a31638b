// The player carrying an L-block overhead.
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/player.hpp"
#include "world/tiles.hpp"

namespace q {

namespace {

constexpr int kPutDownSpeed = 8;
constexpr int kPutDownPhases = 2;

}  // namespace

void PlayerCarry(World& w, Actor& a) {
    if (w.heldActor < 0 || w.heldActor >= kPoolSize) {
        // Nothing to carry: walk on rather than read a record that is not there.
        SetPlayerHandler(w, PlayerWalk);
        return;
    }
    Actor& h = w[w.heldActor];

    // The player must not collide with its own load.
    PaintLBlockCells(w, h.x, h.y, h.dir, 0);

    a.oldX = a.x;
    a.oldY = a.y;
    const int d = a.dir;

    a.vy = VerticalSpeedTable[a.fallStep];
    a.y += a.vy;
    a.fallStep += 1;
    if (a.fallStep > kLastFallStep) a.fallStep = kLastFallStep;

    const int v = VerticalIndex(a.vy);
    // With a load the player stands on, and bumps into, footing tiles.
    const int tile = a.vy > 0 ? TileFloorBelow(w, a, TILE_FOOTING) : TileCeilingAbove(w, a, TILE_FOOTING);
    const int cells = BlockVerticalTests[v](w, a);
    const int r = tile | cells;

    // A long fall makes the player let go.
    if (r == HIT_NONE && a.fallStep >= kLastFallStep) {
        SetPlayerHandler(w, PlayerWalk);
        h.update = LBlockFall;
    }

    if (r != HIT_NONE && OnColumn(a))
        WalkInput(w, a);
    else
        CoastStep(a);

    if (a.oldY >= a.y) CarryAdvance(w, a);
    if (a.dir != d) h.dir = 1 - h.dir;  // the load turns with the player

    const int sd = SideIndex(a.vx);
    const int sideTile = TileSideTests[sd](w, a);
    const int sideCells = BlockSideTests[sd](w, a);
    const int s = sideTile | sideCells;

    if (r == HIT_FLOOR && s == HIT_WALL && !HeadroomBlocked(w, a)) a.fallStep = 0;

    if (r == HIT_FLOOR && a.command == CMD_ACTION) {
        SetPlayerHandler(w, PlayerFrozen);
        a.command = CMD_NONE;
        w.liftOriginX = h.x;
        w.liftOriginY = h.y;
        h.timer = kPutDownPhases;
        h.vx = a.dir == FACING_RIGHT ? kPutDownSpeed : -kPutDownSpeed;
        h.update = LBlockShiftOut;
        w.RequestSe(SE_LIFT);
    }

    PaintLBlockCells(w, h.x, h.y, h.dir, 1);

    FollowScroll(w, a);
    TrackIdle(w, a);
}

}  // namespace q
