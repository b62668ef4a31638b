#pragma once
#include <cstdint>

#include "platform/core/rect.hpp"
#include "platform/game_files.hpp"
#include "play/replay_run.hpp"
#include "play/run_recorder.hpp"
#include "play/shutter.hpp"
#include "world/world.hpp"

namespace q {

// The game's one world, made at start-up and kept until shutdown.
World& GameWorld();
bool HasGameWorld();
void SetGameWorld(World* w);

// Frames the ready countdown shows once the shutter is open.
constexpr int32_t kReadyFrames = 80;
// A scene timer after a reset; the ready and result scenes set their own.
constexpr int32_t kResetSceneTimer = 150;

// Everything the play flow keeps from frame to frame: the world in play, the
// choices made for the next game, the play scenes' counters, the floor set,
// the run watched or recorded and the shutter.
struct PlaySession {
    World* world = nullptr;                // made at start-up, kept until shutdown
    int32_t floorNumber = 1;               // 1..56
    int32_t sceneTimer = kResetSceneTimer; // frames left in the ready and result scenes
    int32_t logicPhase = 0;                // the play scene steps the world when 0
    int32_t savedScrollY = 0;              // scrollY when the map view opened
    int32_t character = 0;                 // 0..2, chosen on the character wheel
    int32_t playMode = PLAY_MODE_NORMAL;   // 0 normal play, 2 demo replay
    bool chasersEnabled = true;            // the options' chaser switch
    GamePath floorsFile{};                 // named on the command line; empty for floor.dat
    WatchedRun watch;
    RunRecorder recorder;
    // All bands move together; band 0 stands for the whole shutter. Left
    // zeroed (open) until the first floor closes it.
    Rect shutterBands[kShutterBands];
};

// The game's one session. Scene handlers take no arguments, so the play
// scenes, the front end and the tests reach it here.
PlaySession& Session();

// The choices the front end makes for the next game.
void SetFloorNumber(int32_t n);
void SetCharacter(int32_t c);
void SetPlayMode(int32_t mode);
// Ends the floor in play as a failure does, on its next step, so that it is
// loaded again.
void GiveUpFloor();

// The options' chaser switch, on at start-up: with it off, floors get no
// chasers and no chaser spawners.
void SetChasersEnabled(bool on);
bool ChasersEnabled();

// Resets the play state (world share included) and copies character, play
// mode and the chaser switch into the world.
void ResetPlayState();
// Start-up values of the play-flow and floor globals.
void InitPlayGlobals();

// The floor set the game plays: the one named by SetFloorsFile (a copy is
// kept; nullptr forgets it), else floor.dat where the game finds its data.
void SetFloorsFile(const char* path);
GamePath FloorsFile();

// SetScene(title), StopBgm, StopAllSe, ReleaseAllActors; a floor being
// recorded is kept and a watched run ends.
void ReturnToTitle();
int StartPlay();
void NextFloor();
void StartEnding();
void CheckPlayKeys();
// Hands the world's sound requests of the last step to the sound service.
void ForwardWorldSounds();

}  // namespace q
