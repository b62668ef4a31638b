#include "world/world_step.hpp"

#include "platform/sprite.hpp"
#include "world/actor_pool.hpp"
#include "world/play_step.hpp"

namespace q {

void RunSilentDrawPass(World& w) {
    const MuteDrawing muted;
    RunWorldChangingDraws(w);
}

bool StepWorld(World& w, int32_t command) {
    w.soundRequests = 0;
    w.liveCommand = command;
    RunSilentDrawPass(w);
    w.scrollRequest = SCROLL_NONE;
    UpdateActors(w);
    ApplyScroll(w);
    ShiftActorsForScroll(w);
    return CheckPlayResult(w);
}

}  // namespace q
