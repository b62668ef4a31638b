#pragma once
#include "world/world.hpp"

// Every actor handler of every kind, so kinds can hand each other over.
namespace q {

// The box of anyone flattened: a crushed player, a squashed creature.
constexpr int kFlatWidth = 48;
constexpr int kFlatHeight = 8;

// Player (kind 1).
int PlayerInit(World& w, Actor& a, int x, int y, int arg);
void PlayerWalk(World& w, Actor& a);
void PlayerClimb(World& w, Actor& a);
void PlayerCarry(World& w, Actor& a);
void PlayerFrozen(World& w, Actor& a);
void PlayerCrushed(World& w, Actor& a);
void PlayerDraw(const World& w, const Actor& a);
void SetPlayerHandler(World& w, ActorHandler handler);
void TrackIdle(World& w, Actor& player);
// Whether the player stands in the exit as the frame rules would find it: on
// the grid, at rest on something firm, still walking.
bool StandsInExit(const World& w, const Actor& player);

// L-blocks (kinds 2, 3, 12, 13).
int LBlockInit(World& w, Actor& a, int x, int y, int dir);
void LBlockFall(World& w, Actor& a);
void LBlockRest(World& w, Actor& a);
void LBlockLift(World& w, Actor& a);
void LBlockShiftIn(World& w, Actor& a);
void LBlockCarried(World& w, Actor& a);
void LBlockShiftOut(World& w, Actor& a);
void LBlockLower(World& w, Actor& a);
void LBlockDraw(const World& w, const Actor& a);
void TryGrabLBlock(World& w, Actor& player);
// Inline: the occupancy rebuild and the block searches ask it of every actor.
inline bool IsLBlockKind(int kind) {
    return kind == KIND_LBLOCK_0 || kind == KIND_LBLOCK_1 || kind == KIND_HEAVY_LBLOCK_0 ||
           kind == KIND_HEAVY_LBLOCK_1;
}
void Squashed(World& w, Actor& a);

// Builder (kind 4).
int BuilderInit(World& w, Actor& a, int x, int y, int arg);
void BuilderWalk(World& w, Actor& a);
void BuilderDraw(const World& w, const Actor& a);
void KillPlayerOnTouch(World& w, Actor& creature);

// Chaser (kind 5) and its spawner (kind 14).
int ChaserInit(World& w, Actor& a, int x, int y, int arg);
void ChaserWalk(World& w, Actor& a);
void ChaserClimb(World& w, Actor& a);
void ChaserDraw(const World& w, const Actor& a);
void SpawnChaser(World& w, int x, int y, int kind, int cell);
void SpawnerTick(World& w, Actor& a);

// Exit lock, pickups, props, figure (kinds 6..11).
void ExitLockTick(World& w, Actor& a);
void PickupTick(World& w, Actor& a);
void PropDraw(const World& w, const Actor& a);  // draws the kind's picture into its box
void FigureDraw(const World& w, const Actor& a);

// The rules applied once per shown frame, before the actors move: the
// player's exit test and each figure's pose.
void ApplyFrameRules(World& w);

}  // namespace q
