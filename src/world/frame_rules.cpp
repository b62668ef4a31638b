// The rules the world applies once per shown frame rather than once per
// step: the game runs them on every frame that shows a floor, StepWorld at
// the start of every step.
#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/handlers.hpp"
#include "world/tiles.hpp"

namespace q {

namespace {

// vy is 4 for a player standing on the ground: it re-tests the ground every
// step.
constexpr int kFallingSpeed = 4;

void ExitTest(World& w, Actor& player) {
    if (!StandsInExit(w, player)) return;
    w.playResult = PLAY_RESULT_CLEARED;
    player.dir = FACING_VIEWER;
    player.frame = 0;
    player.update = PlayerFrozen;
}

void FigurePose(Actor& figure) {
    figure.dir = FACING_VIEWER;
    figure.frame = 0;
}

}  // namespace

bool StandsInExit(const World& w, const Actor& a) {
    if (!(OnColumn(a) && OnRow(w, a) && a.vy == kFallingSpeed && a.update == PlayerWalk)) return false;
    // Ladder tops and anything firmer hold a player standing in the exit.
    const bool support = TileAt(w, a.x, a.y + a.height) >= TILE_LADDER || OccupiedAt(w, a.x, a.y + a.height) == 1;
    return support && TileAt(w, a.x, a.y, Layer::Objects) == EXIT_CELL;
}

void ApplyFrameRules(World& w) {
    // The two rules touch different actors and read nothing the other
    // writes, so one walk in list order serves both.
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a)) {
        if (a->kind == KIND_PLAYER) ExitTest(w, *a);
        if (a->kind == KIND_FIGURE) FigurePose(*a);
    }
}

}  // namespace q
