#include "play/play_state.hpp"
#include "world/play_step.hpp"

namespace q {

PlaySession& Session() {
    static PlaySession session;
    return session;
}

void SetFloorNumber(int32_t n) { Session().floorNumber = n; }
void SetCharacter(int32_t c) { Session().character = c; }
void SetPlayMode(int32_t mode) { Session().playMode = mode; }

void GiveUpFloor() {
    if (HasGameWorld()) GameWorld().playResult = PLAY_RESULT_FAILED;
}

void SetChasersEnabled(bool on) { Session().chasersEnabled = on; }
bool ChasersEnabled() { return Session().chasersEnabled; }

World& GameWorld() { return *Session().world; }
bool HasGameWorld() { return Session().world != nullptr; }
void SetGameWorld(World* w) { Session().world = w; }

void ResetPlayState() {
    PlaySession& s = Session();
    s.logicPhase = 0;
    s.sceneTimer = kResetSceneTimer;
    // Start-up resets the play state before the world is allocated.
    if (!HasGameWorld()) return;
    World& w = GameWorld();
    ResetAttempt(w);
    // The world carries its own copy of the choices made before the floor, so
    // a copied world replays the same way wherever it runs.
    w.character = s.character;
    w.playMode = s.playMode;
    w.extraSpawnsEnabled = s.chasersEnabled ? 1 : 0;
}

void InitPlayGlobals() {
    PlaySession& s = Session();
    s.character = 0;
    s.savedScrollY = 0;
    s.floorNumber = 1;
    s.playMode = PLAY_MODE_NORMAL;
    if (!HasGameWorld()) return;
    World& w = GameWorld();
    w.scrollY = 0;
    w.floorRows = 31;
    w.replayLength = 0;
}

}  // namespace q
