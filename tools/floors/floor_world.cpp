#include "floors/floor_world.hpp"

#include "world/actor_pool.hpp"
#include "world/floor.hpp"
#include "world/play_step.hpp"
#include "world/world_step.hpp"

namespace q::floors {

std::unique_ptr<World> EnterFloor(const Floor& floor, const EntryOptions& options) {
    auto w = std::make_unique<World>();
    InitActorPool(*w);
    w->playMode = options.playMode;
    w->character = options.character;
    w->extraSpawnsEnabled = options.chasers ? 1 : 0;
    ResetAttempt(*w);
    InstallFloor(*w, floor.rows, floor.startRow, floor.tiles.data(), floor.objects.data(), floor.demo.data(),
                 static_cast<int32_t>(floor.demo.size()));
    PopulateFloor(*w);
    w->soundRequests = 0;
    return w;
}

ReplayOutcome ReplayDemo(const Floor& floor, bool chasers, int extraSteps) {
    auto w = EnterFloor(floor, {PLAY_MODE_REPLAY, chasers, 0});
    ReplayOutcome outcome;
    const int limit = w->replayLength + extraSteps;
    while (outcome.steps < limit) {
        ++outcome.steps;
        if (StepWorld(*w)) break;
    }
    outcome.result = w->playResult;
    return outcome;
}

}  // namespace q::floors
