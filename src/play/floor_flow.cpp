#include "platform/game_files.hpp"
#include "platform/sound.hpp"
#include "play/play_state.hpp"
#include "play/shutter.hpp"
#include "scene/scene.hpp"
#include "world/actor_pool.hpp"
#include "world/floor.hpp"

namespace q {

namespace {

int LoadCurrentFloor() { return LoadFloor(GameWorld(), floorNumber, GameDataFile("floor.dat").text); }
}  // namespace

void ReturnToTitle() {
    SetScene(SCENE_TITLE);
    StopBgm();
    StopAllSe();
    if (HasGameWorld()) ReleaseAllActors(GameWorld());
}

int StartPlay() {
    if (!HasGameWorld()) return 0;
    ResetPlayState();
    // A floor that cannot be read leaves the caller's screen up.
    if (!LoadCurrentFloor()) return 0;
    PopulateFloor(GameWorld());
    CloseShutterNow();
    sceneTimer = kReadyFrames;
    SetScene(SCENE_FLOOR_INTRO);
    return 1;
}

void NextFloor() {
    if (!HasGameWorld()) {
        ReturnToTitle();
        return;
    }
    World& w = GameWorld();
    ReleaseAllActors(w);
    // A failed floor is played again from a fresh load.
    if (w.playResult == PLAY_RESULT_CLEARED) {
        floorNumber += 1;
        if (floorNumber > kLastFloor) {
            floorNumber = 1;
            // Demo replay runs the floors round again without the ending.
            if (playMode == PLAY_MODE_NORMAL) {
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
    PopulateFloor(w);
    sceneTimer = kReadyFrames;
    SetScene(SCENE_FLOOR_INTRO);
}

void StartEnding() {
    if (!HasGameWorld() || !LoadFloor(GameWorld(), kEndingFloor, GameDataFile("floor.dat").text)) {
        ReturnToTitle();
        return;
    }
    ResetPlayState();
    PopulateFloor(GameWorld());
    SetScene(SCENE_ENDING_INTRO);
}

}  // namespace q
