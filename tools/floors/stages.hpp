#pragma once
// The stages of a tall floor: the world each begins in, where the demo stands
// after the stage's step, and the goal that ends it.
#include <memory>
#include <string>

#include "floors/floor_source.hpp"
#include "world/world.hpp"

namespace q::floors {

// The world where the floor's demo stands after stage `stage`'s step, played
// in normal mode so a search can hand in its own commands from there; nullptr
// when the demo has ended the floor by then.
std::unique_ptr<World> StageStart(const Floor& floor, int stage, bool chasers);

// Whether the player stands with its feet in `goalRow` or above (-1: never;
// the exit ends a floor by itself).
bool AtStageGoal(World& w, int goalRow);

// "stage 2 (from step 241 to the exit)".
std::string StageLabel(const Floor& floor, int stage);

// What is wrong with a stage as the demo plays it with chasers off: it must
// begin while the floor is still played, and the demo must reach its goal
// (standing, on a step where the player takes a command) before the next
// stage begins. Empty when nothing is.
std::string StageProblem(const Floor& floor, int stage);

}  // namespace q::floors
