#pragma once
#include <cstdint>

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
extern int32_t PlayMode;      // 0 normal play, 2 demo replay

// Resets the play state (world share included) and copies character,
// PlayMode and ExtraSpawnsEnabled into the world.
void ResetPlayState();
// Start-up values of the play-flow and floor globals.
void InitPlayGlobals();

// SetScene(title), StopBgm, StopAllSe, ReleaseAllActors.
void ReturnToTitle();
int StartPlay();
void NextFloor();
void StartEnding();
void CheckPlayKeys();
// Hands the world's sound requests of the last step to the sound service.
void ForwardWorldSounds();

}  // namespace q
