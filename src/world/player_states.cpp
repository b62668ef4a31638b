// The player's spawn, the states in which it does not move by itself, and the
// one way other kinds change its state.
#include "world/actor_pool.hpp"
#include "world/handlers.hpp"
#include "world/player.hpp"

namespace q {

int PlayerInit(World&, Actor& a, int x, int y, int) {
    return InitActorBox(a, x, y, kPlayerWidth, kPlayerHeight, PlayerWalk, PlayerDraw);
}

void PlayerFrozen(World&, Actor& a) {
    a.command = CMD_NONE;
    a.vx = 0;
    a.fallStep = kRestFallStep;
}

void PlayerCrushed(World& w, Actor& a) {
    a.width = kFlatWidth;
    a.height = kFlatHeight;
    w.playResult = PLAY_RESULT_FAILED;
}

void SetPlayerHandler(World& w, ActorHandler handler) {
    Actor* player = FindPlayer(w);
    // A crushed player stays crushed whatever finishes around it.
    if (player && player->update != PlayerCrushed) player->update = handler;
}

}  // namespace q
