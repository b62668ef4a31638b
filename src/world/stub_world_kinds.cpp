// Placeholder definitions until the L-blocks, creatures and props land;
// delete each as it is written.
#include "world/handlers.hpp"

namespace q {
int LBlockInit(World&, Actor&, int, int, int) { return 1; }
void LBlockFall(World&, Actor&) {}
void LBlockRest(World&, Actor&) {}
void LBlockLift(World&, Actor&) {}
void LBlockShiftIn(World&, Actor&) {}
void LBlockCarried(World&, Actor&) {}
void LBlockShiftOut(World&, Actor&) {}
void LBlockLower(World&, Actor&) {}
void LBlockDraw(World&, Actor&) {}
void TryGrabLBlock(World&, Actor&) {}
bool IsLBlockKind(int k) { return k == 2 || k == 3 || k == 12 || k == 13; }
void Squashed(World&, Actor&) {}
int BuilderInit(World&, Actor&, int, int, int) { return 1; }
void BuilderWalk(World&, Actor&) {}
void BuilderDraw(World&, Actor&) {}
void KillPlayerOnTouch(World&, Actor&) {}
int ChaserInit(World&, Actor&, int, int, int) { return 1; }
void ChaserWalk(World&, Actor&) {}
void ChaserClimb(World&, Actor&) {}
void ChaserDraw(World&, Actor&) {}
void SpawnChaser(World&, int, int, int, int) {}
void SpawnerTick(World&, Actor&) {}
void ExitLockTick(World&, Actor&) {}
void PickupTick(World&, Actor&) {}
void PropDraw(World&, Actor&) {}
void FigureDraw(World&, Actor&) {}
}  // namespace q
