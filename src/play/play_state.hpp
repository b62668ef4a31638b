#pragma once
#include <cstdint>

#include "platform/game_files.hpp"
#include "world/world.hpp"

namespace q {

// The game's one world, made at start-up and kept until shutdown.
World& GameWorld();
bool HasGameWorld();
void SetGameWorld(World* w);

// Frames the ready countdown shows once the shutter is open.
constexpr int32_t kReadyFrames = 80;

// Play-flow globals.
extern int32_t floorNumber;   // 1..56
extern int32_t sceneTimer;    // frames left in the ready and result scenes
extern int32_t logicPhase;    // the play scene steps the world when 0
extern int32_t savedScrollY;  // scrollY when the map view opened
extern int32_t character;     // 0..2, chosen on the character wheel
extern int32_t playMode;      // 0 normal play, 2 demo replay

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
