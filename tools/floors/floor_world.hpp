#pragma once
// A floor from its source, entered as the game enters it, as a world the
// tools can step and fork.
#include <memory>

#include "floors/floor_source.hpp"
#include "world/world.hpp"

namespace q::floors {

struct EntryOptions {
    int playMode = PLAY_MODE_NORMAL;  // normal: the caller hands in commands
    bool chasers = true;              // ExtraSpawnsEnabled
    int character = 0;
};

// ResetPlayState, the floor's record in the stage buffers, PopulateFloor.
std::unique_ptr<World> EnterFloor(const Floor& floor, const EntryOptions& options);

// Replays the floor's demo exactly as demo replay plays it, up to the demo's
// length and `extraSteps` more. Returns the result (255: none) and the steps
// run.
struct ReplayOutcome {
    int result = PLAY_RESULT_PLAYING;
    int steps = 0;
};
ReplayOutcome ReplayDemo(const Floor& floor, bool chasers, int extraSteps = 2000);

}  // namespace q::floors
