// Placeholder definitions until the world core lands (pool, floor, commands,
// collision, player, character sets, play step); delete each as it is written.
#include "world/actor_pool.hpp"
#include "world/character_sets.hpp"
#include "world/collision.hpp"
#include "world/commands.hpp"
#include "world/floor.hpp"
#include "world/handlers.hpp"
#include "world/play_step.hpp"

namespace q {
int InitActorPool(World&) { return 1; }
Actor* SpawnActor(World&, int, int, int, int, ActorInit, int) { return nullptr; }
Actor* FirstActive(World&) { return nullptr; }
Actor* NextActive(World&, const Actor&) { return nullptr; }
Actor* LastActive(World&) { return nullptr; }
Actor* PrevActive(World&, const Actor&) { return nullptr; }
Actor* FindActor(World&, Actor*, int) { return nullptr; }
Actor* FindPlayer(World&) { return nullptr; }
void ReleaseActor(World&, Actor&) {}
void ReleaseAllActors(World&) {}
int ActiveCount(const World&) { return 0; }
int FreeCount(const World&) { return 0; }
int InitActorBox(Actor&, int, int, int, int, ActorHandler, ActorHandler) { return 1; }
const int KIND_UPDATE_ORDER[kKindCount] = {};
const int KIND_DRAW_ORDER[kKindCount] = {};
const KindSpawner KindSpawnTable[kKindCount] = {};
void UpdateActors(World&) {}
void DrawActors(World&) {}
void DrawWorld(World&, int, int) {}
const char* HandlerName(ActorHandler) { return nullptr; }

int LoadFloor(World&, int, const char*) { return 0; }
void PopulateFloor(World&) {}
void SpawnCell(World&, int, int, int) {}
void DrawTerrain(const World&) {}
Rect TileSourceRect(int) { return {}; }

int KeysToCommand() { return 0; }
void ReadCommand(World&, Actor&) {}

void ResetPlayState(World&) {}
int PlayerFallSpeed(World&) { return 0; }
void ApplyScroll(World&) {}
void ShiftActorsForScroll(World&) {}
bool CheckPlayResult(World&) { return false; }
int ClearJingle(int) { return 4; }

int TileIndex(const World&, int, int) { return 0; }
int OccupancyIndex(const World&, int, int) { return 0; }
int TileAt(const World&, int, int, Layer) { return 0; }
int OccupiedAt(const World&, int, int) { return 0; }
void SetObjectCell(World&, int, int, int) {}
bool OnColumn(const Actor&) { return false; }
bool OnRow(const World&, const Actor&) { return false; }
int NoTest(World&, Actor&) { return 0; }
int TileWallRight(World&, Actor&) { return 0; }
int TileWallLeft(World&, Actor&) { return 0; }
int BlockWallRight(World&, Actor&) { return 0; }
int BlockWallLeft(World&, Actor&) { return 0; }
int TileFloorBelow(World&, Actor&, int) { return 0; }
int TileCeilingAbove(World&, Actor&, int) { return 0; }
int BlockFloorBelow(World&, Actor&) { return 0; }
int BlockCeilingAbove(World&, Actor&) { return 0; }
const SideTest TileSideTests[3] = {};
const SideTest BlockSideTests[3] = {};
const TileVerticalTest TileVerticalTests[2] = {};
const BlockVerticalTest BlockVerticalTests[2] = {};
int SideIndex(int) { return 0; }
int VerticalIndex(int) { return 0; }
int OnLadder(const World&, const Actor&) { return 0; }
int HeadroomBlocked(const World&, const Actor&) { return 0; }
void RebuildOccupancy(World&) {}
void PaintLBlockCells(World&, int, int, int, int) {}
int LBlockSideTest(World&, Actor&) { return 0; }
int LBlockVerticalTest(World&, Actor&) { return 0; }
int RegionOccupied(const World&, int, int) { return 0; }
int BoxesOverlap(const Actor&, const Actor&) { return 0; }
int TouchesPlayer(World&, const Actor&) { return 0; }
const uint8_t LBlockShapeFine[2][8][8] = {};
const uint8_t LBlockShapeQuarters[2][2][2] = {};

int PlayerInit(World&, Actor&, int, int, int) { return 1; }
void PlayerWalk(World&, Actor&) {}
void PlayerClimb(World&, Actor&) {}
void PlayerCarry(World&, Actor&) {}
void PlayerFrozen(World&, Actor&) {}
void PlayerCrushed(World&, Actor&) {}
void PlayerDraw(World&, Actor&) {}
void SetPlayerHandler(World&, ActorHandler) {}
void TrackIdle(World&, Actor&) {}

const CharacterSet CharacterSets[3] = {};
void DrawCharacter(const Actor&, const CharacterSet&) {}
}  // namespace q
