#pragma once
#include "world/world.hpp"

// The player's movement pieces; its state handlers are in handlers.hpp.
namespace q {

// Vertical speed by fallStep: six steps rising 4 pixels (a hop starts at 0),
// then falling 4 pixels a step. 6 is resting or starting to fall.
constexpr int kFallStepCount = 12;
extern const int VerticalSpeedTable[kFallStepCount];
constexpr int kRestFallStep = 6;
constexpr int kLastFallStep = 11;

// The player stands a tile wide and two tall.
constexpr int kPlayerWidth = kTileSize;
constexpr int kPlayerHeight = 2 * kTileSize;

// Pixels a step on foot and on a ladder; the chaser keeps the same pace.
constexpr int kWalkSpeed = 4;
constexpr int kClimbSpeed = 4;
// Steps spent turning on the spot before walking the other way.
constexpr int kTurnSteps = 4;

// Input sub-steps: read a command and turn it into speed, facing and frame.
void WalkInput(World& w, Actor& player);
void ClimbInput(World& w, Actor& player);
// Used whenever the player may not take a new command: speeds are kept.
void CoastStep(Actor& player);
// The sideways move while carrying (heavy blocks every other step).
void CarryAdvance(World& w, Actor& player);
// Asks the view to follow the player when it nears the top or bottom.
void FollowScroll(World& w, const Actor& player);

}  // namespace q
