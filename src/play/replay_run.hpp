#pragma once
// Watching one recorded run (quorrel --replay FILE): its floor is played as
// demo replay plays a demo, with the run's character and chaser switch, and
// then the game returns to the title.
#include "world/replay_file.hpp"

namespace q {

// A recorded run to watch, and the player's own choices, put back when it ends.
struct WatchedRun {
    bool pending = false;
    bool watching = false;
    Replay run;
    int32_t character = 0;
    bool chasers = true;
};

// The run to watch once the game has started; copied.
void SetRunToWatch(const Replay& run);
// Starts watching the run set above (at most once): false when there is none
// or its floor no longer loads, and then the title stays up.
bool StartWatchingRun();
bool WatchingRun();
// Puts the run's commands into w, which holds its floor just loaded; false
// when that floor is not the one the run was played on.
bool InstallWatchedRun(World& w);
// Whether the world has played every step the run recorded.
bool WatchedRunOver(const World& w);
// Puts back the choices the run took over (character, chaser switch, play
// mode); nothing when no run is being watched.
void StopWatchingRun();

}  // namespace q
