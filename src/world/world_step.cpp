#include "world/world_step.hpp"

#include "world/actor_pool.hpp"
#include "world/handlers.hpp"
#include "world/play_step.hpp"

namespace q {

bool StepWorld(World& w, int32_t command) {
    w.soundRequests = 0;
    w.liveCommand = command;
    ApplyFrameRules(w);
    w.scrollRequest = SCROLL_NONE;
    UpdateActors(w);
    ApplyScroll(w);
    ShiftActorsForScroll(w);
    return CheckPlayResult(w);
}

}  // namespace q
