#include "play/replay_run.hpp"

#include "play/play_state.hpp"

namespace q {

void SetRunToWatch(const Replay& run) {
    Session().watch.run = run;
    Session().watch.pending = true;
}

bool StartWatchingRun() {
    if (!Session().watch.pending) return false;
    Session().watch.pending = false;
    Session().watch.character = Session().character;
    Session().watch.chasers = ChasersEnabled();
    Session().watch.watching = true;
    SetFloorNumber(Session().watch.run.header.floor);
    SetCharacter(Session().watch.run.header.character);
    SetChasersEnabled(Session().watch.run.header.chasers != 0);
    SetPlayMode(PLAY_MODE_REPLAY);
    if (StartPlay()) return true;
    StopWatchingRun();
    return false;
}

bool WatchingRun() { return Session().watch.watching; }

bool InstallWatchedRun(World& w) {
    if (!Session().watch.watching || LoadedFloorChecksum(w) != Session().watch.run.header.floorChecksum) return false;
    InstallReplayCommands(w, Session().watch.run);
    return true;
}

bool WatchedRunOver(const World& w) { return Session().watch.watching && w.replayPos >= Session().watch.run.header.steps; }

void StopWatchingRun() {
    if (!Session().watch.watching) return;
    Session().watch.watching = false;
    SetCharacter(Session().watch.character);
    SetChasersEnabled(Session().watch.chasers);
    SetPlayMode(PLAY_MODE_NORMAL);
}

}  // namespace q
