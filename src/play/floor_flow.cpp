#include <cstdio>

#include "platform/game_files.hpp"
#include "platform/sound.hpp"
#include "play/play_state.hpp"
#include "play/replay_run.hpp"
#include "play/run_recorder.hpp"
#include "play/shutter.hpp"
#include "scene/scene.hpp"
#include "world/actor_pool.hpp"
#include "world/floor.hpp"

namespace q {

namespace {

int LoadCurrentFloor() { return LoadFloor(GameWorld(), Session().floorNumber, FloorsFile().text); }

// The floor just loaded becomes a recorded floor, or takes a watched run's
// commands in place of its demo; then its actors appear. false when the
// watched run's floor has changed under it.
bool PrepareLoadedFloor() {
    World& w = GameWorld();
    if (WatchingRun()) {
        if (!InstallWatchedRun(w)) return false;
    } else if (Session().playMode == PLAY_MODE_NORMAL) {
        BeginRecordedFloor(Session().floorNumber, w);
    }
    PopulateFloor(w);
    return true;
}

}  // namespace

void SetFloorsFile(const char* path) {
    Session().floorsFile = GamePath{};
    if (path) std::snprintf(Session().floorsFile.text, sizeof Session().floorsFile.text, "%s", path);
}

GamePath FloorsFile() {
    if (Session().floorsFile.text[0] != '\0') return Session().floorsFile;
    return GameDataFile("floor.dat");
}

void ReturnToTitle() {
    // A floor left for the title is kept as it was played so far.
    FinishRecordedFloor();
    StopWatchingRun();
    SetScene(SCENE_TITLE);
    StopBgm();
    StopAllSe();
    if (HasGameWorld()) ReleaseAllActors(GameWorld());
}

int StartPlay() {
    if (!HasGameWorld()) return 0;
    ResetPlayState();
    // A floor that cannot be read leaves the caller's screen up.
    if (!LoadCurrentFloor() || !PrepareLoadedFloor()) return 0;
    CloseShutterNow();
    Session().sceneTimer = kReadyFrames;
    SetScene(SCENE_FLOOR_INTRO);
    return 1;
}

void NextFloor() {
    // A watched run is one floor, played once.
    if (!HasGameWorld() || WatchingRun()) {
        ReturnToTitle();
        return;
    }
    World& w = GameWorld();
    ReleaseAllActors(w);
    // A failed floor is played again from a fresh load.
    if (w.playResult == PLAY_RESULT_CLEARED) {
        Session().floorNumber += 1;
        if (Session().floorNumber > kLastFloor) {
            Session().floorNumber = 1;
            // Demo replay runs the floors round again without the ending.
            if (Session().playMode == PLAY_MODE_NORMAL) {
                StartEnding();
                return;
            }
        }
    }
    if (!LoadCurrentFloor()) {
        ReturnToTitle();
        return;
    }
    ResetPlayState();
    PrepareLoadedFloor();
    Session().sceneTimer = kReadyFrames;
    SetScene(SCENE_FLOOR_INTRO);
}

void StartEnding() {
    if (!HasGameWorld() || !LoadFloor(GameWorld(), kEndingFloor, FloorsFile().text)) {
        ReturnToTitle();
        return;
    }
    ResetPlayState();
    PopulateFloor(GameWorld());
    SetScene(SCENE_ENDING_INTRO);
}

}  // namespace q
