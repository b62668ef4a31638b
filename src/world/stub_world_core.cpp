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
int KeysToCommand() { return 0; }
void ReadCommand(World&, Actor&) {}

void ResetPlayState(World&) {}
int PlayerFallSpeed(World&) { return 0; }
void ApplyScroll(World&) {}
void ShiftActorsForScroll(World&) {}
bool CheckPlayResult(World&) { return false; }
int ClearJingle(int) { return 4; }

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
