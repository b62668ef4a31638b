#include "floors/stages.hpp"

#include "floors/floor_world.hpp"
#include "floors/moves.hpp"
#include "world/actor_pool.hpp"
#include "world/world_step.hpp"

namespace q::floors {

std::unique_ptr<World> StageStart(const Floor& floor, int stage, bool chasers) {
    auto w = EnterFloor(floor, {PLAY_MODE_NORMAL, chasers, 0});
    const int steps = floor.stages.at(static_cast<size_t>(stage)).step;
    // A replay reads the demo byte of each step: handing the same byte in
    // plays the same world.
    for (int i = 0; i < steps; ++i)
        if (StepWorld(*w, floor.demo[static_cast<size_t>(i)])) return nullptr;
    return w;
}

bool AtStageGoal(World& w, int goalRow) {
    if (goalRow < 0) return false;
    const Actor* p = FindPlayer(w);
    return p && (p->y + w.scrollY + p->height - 1) / kTileSize <= goalRow;
}

std::string StageLabel(const Floor& floor, int stage) {
    const Stage& s = floor.stages.at(static_cast<size_t>(stage));
    return "stage " + std::to_string(stage + 1) + " (from step " + std::to_string(s.step) + " to " +
           (s.goalRow < 0 ? std::string("the exit") : "row " + std::to_string(s.goalRow)) + ")";
}

std::string StageProblem(const Floor& floor, int stage) {
    const Stage& s = floor.stages.at(static_cast<size_t>(stage));
    auto w = StageStart(floor, stage, false);
    if (!w) return "the demo has ended the floor before step " + std::to_string(s.step);
    if (s.goalRow < 0) return "";
    const size_t next = static_cast<size_t>(stage) + 1;
    const int end = next < floor.stages.size() ? floor.stages[next].step : static_cast<int>(floor.demo.size());
    for (int i = s.step;; ++i) {
        if (WillRead(*w) && AtStageGoal(*w, s.goalRow)) return "";
        if (i >= end || StepWorld(*w, floor.demo[static_cast<size_t>(i)])) break;
    }
    return "the demo does not reach row " + std::to_string(s.goalRow) + " before step " + std::to_string(end);
}

}  // namespace q::floors
