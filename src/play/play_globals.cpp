#include "play/play_state.hpp"
#include "world/play_step.hpp"

namespace q {

namespace {
World* gameWorld = nullptr;
bool chasersEnabled = true;

// A scene timer after a reset; the ready and result scenes set their own.
constexpr int32_t kResetSceneTimer = 150;
}  // namespace

int32_t floorNumber = 1;
int32_t sceneTimer = kResetSceneTimer;
int32_t logicPhase = 0;
int32_t savedScrollY = 0;
int32_t character = 0;
int32_t playMode = PLAY_MODE_NORMAL;

void SetFloorNumber(int32_t n) { floorNumber = n; }
void SetCharacter(int32_t c) { character = c; }
void SetPlayMode(int32_t mode) { playMode = mode; }

void GiveUpFloor() {
    if (HasGameWorld()) GameWorld().playResult = PLAY_RESULT_FAILED;
}

void SetChasersEnabled(bool on) { chasersEnabled = on; }
bool ChasersEnabled() { return chasersEnabled; }

World& GameWorld() { return *gameWorld; }
bool HasGameWorld() { return gameWorld != nullptr; }
void SetGameWorld(World* w) { gameWorld = w; }

void ResetPlayState() {
    logicPhase = 0;
    sceneTimer = kResetSceneTimer;
    // Start-up resets the play state before the world is allocated.
    if (!HasGameWorld()) return;
    World& w = GameWorld();
    ResetAttempt(w);
    // The world carries its own copy of the choices made before the floor, so
    // a copied world replays the same way wherever it runs.
    w.character = character;
    w.playMode = playMode;
    w.extraSpawnsEnabled = chasersEnabled ? 1 : 0;
}

void InitPlayGlobals() {
    character = 0;
    savedScrollY = 0;
    floorNumber = 1;
    playMode = PLAY_MODE_NORMAL;
    if (!HasGameWorld()) return;
    World& w = GameWorld();
    w.scrollY = 0;
    w.floorRows = 31;
    w.replayLength = 0;
}

}  // namespace q
