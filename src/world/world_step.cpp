#include "world/world_step.hpp"

#include <array>

#include "platform/sprite.hpp"
#include "world/actor_pool.hpp"
#include "world/handlers.hpp"
#include "world/play_step.hpp"

namespace q {

bool DrawChangesTheWorld(ActorHandler draw) { return draw == PlayerDraw || draw == FigureDraw; }

void RunSilentDrawPass(World& w) {
    const MuteDrawing muted;
    // Few actors have such a handler (the player, a figure): pick them out in
    // one walk, then call them kind by kind in draw order. They spawn nothing.
    std::array<Actor*, kPoolSize> chosen;
    int count = 0;
    for (Actor* a = FirstActive(w); a; a = NextActive(w, *a))
        if (DrawChangesTheWorld(a->draw)) chosen[size_t(count++)] = a;
    if (count == 0) return;
    for (int kind : KindDrawOrder)
        for (int i = 0; i < count; ++i)
            if (chosen[size_t(i)]->kind == kind) chosen[size_t(i)]->draw(w, *chosen[size_t(i)]);
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
