#include "play/replay_run.hpp"

#include "play/play_state.hpp"

namespace q {

namespace {

struct Watch {
    bool pending = false;
    bool watching = false;
    Replay run;
    // The player's own choices, put back when the run ends.
    int32_t character = 0;
    bool chasers = true;
};

Watch watch;

}  // namespace

void SetRunToWatch(const Replay& run) {
    watch.run = run;
    watch.pending = true;
}

bool StartWatchingRun() {
    if (!watch.pending) return false;
    watch.pending = false;
    watch.character = character;
    watch.chasers = ChasersEnabled();
    watch.watching = true;
    SetFloorNumber(watch.run.header.floor);
    SetCharacter(watch.run.header.character);
    SetChasersEnabled(watch.run.header.chasers != 0);
    SetPlayMode(PLAY_MODE_REPLAY);
    if (StartPlay()) return true;
    StopWatchingRun();
    return false;
}

bool WatchingRun() { return watch.watching; }

bool InstallWatchedRun(World& w) {
    if (!watch.watching || LoadedFloorChecksum(w) != watch.run.header.floorChecksum) return false;
    InstallReplayCommands(w, watch.run);
    return true;
}

bool WatchedRunOver(const World& w) { return watch.watching && w.replayPos >= watch.run.header.steps; }

void StopWatchingRun() {
    if (!watch.watching) return;
    watch.watching = false;
    SetCharacter(watch.character);
    SetChasersEnabled(watch.chasers);
    SetPlayMode(PLAY_MODE_NORMAL);
}

}  // namespace q
