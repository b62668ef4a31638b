// The player on foot and on a ladder.
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/player.hpp"
#include "world/tiles.hpp"

namespace q {

namespace {

void Fall(Actor& a) {
    a.vy = VerticalSpeedTable[a.fallStep];
    a.y += a.vy;
    a.fallStep += 1;
    if (a.fallStep > kLastFallStep) a.fallStep = kLastFallStep;
}

// The terrain test and the block test of one axis, both run in this order
// (the second sees what the first did), results ORed.
int MoveSideTest(World& w, Actor& a) {
    const int d = SideIndex(a.vx);
    const int tile = TileSideTests[d](w, a);
    const int cells = BlockSideTests[d](w, a);
    return tile | cells;
}

int VerticalTest(World& w, Actor& a, int floorTile, int ceilingTile) {
    const int v = VerticalIndex(a.vy);
    const int tile = a.vy > 0 ? TileFloorBelow(w, a, floorTile) : TileCeilingAbove(w, a, ceilingTile);
    const int cells = BlockVerticalTests[v](w, a);
    return tile | cells;
}

}  // namespace

void PlayerWalk(World& w, Actor& a) {
    a.oldX = a.x;
    a.oldY = a.y;
    Fall(a);
    // On foot, ladder tops hold the player up; only solid tiles stop a hop.
    const int r = VerticalTest(w, a, TILE_LADDER, TILE_SOLID);

    // New commands are taken only on the ground and on a column, so every
    // walk runs to the next column.
    if (r != HIT_NONE && OnColumn(a))
        WalkInput(w, a);
    else
        CoastStep(a);

    if (a.oldY >= a.y) a.x += a.vx;  // a falling player drops straight down
    const int s = MoveSideTest(w, a);

    if (r == HIT_FLOOR && s == HIT_WALL && !HeadroomBlocked(w, a)) a.fallStep = 0;  // hop onto the step

    if (a.command == CMD_ACTION && r == HIT_FLOOR) {
        a.command = CMD_NONE;
        TryGrabLBlock(w, a);
    }
    if (OnLadder(w, a) && OnColumn(a)) {
        a.fallStep = kRestFallStep;
        SetPlayerHandler(w, PlayerClimb);
    }
    if (a.command == CMD_DOWN && OnColumn(a) && IsLadderTile(TileAt(w, a.x, a.y + a.height)))
        SetPlayerHandler(w, PlayerClimb);

    FollowScroll(w, a);
    TrackIdle(w, a);
}

void PlayerClimb(World& w, Actor& a) {
    a.oldX = a.x;
    a.oldY = a.y;
    const bool g = OnColumn(a);
    if (g)
        ClimbInput(w, a);
    else
        CoastStep(a);

    a.x += a.vx;
    MoveSideTest(w, a);
    a.y += a.vy;
    VerticalTest(w, a, TILE_SOLID, TILE_SOLID);

    if (!OnLadder(w, a)) {
        a.fallStep = kRestFallStep;
        SetPlayerHandler(w, PlayerWalk);
    }

    const int f = TileAt(w, a.x, a.y + a.height);
    const int o = OccupiedAt(w, a.x, a.y + a.height);
    // Standing ground inside a ladder column from which a block can be lifted.
    if (a.command == CMD_ACTION && g && (f >= TILE_FOOTING || o == 1)) {
        a.command = CMD_NONE;
        a.fallStep = kRestFallStep;
        TryGrabLBlock(w, a);
    }
    // On solid footing or a block inside the ladder column the player shows
    // the facing it walked with; elsewhere the climbing picture.
    if (f < TILE_FOOTING && o == 0) a.dir = FACING_CLIMBING;

    FollowScroll(w, a);
    TrackIdle(w, a);
}

}  // namespace q
