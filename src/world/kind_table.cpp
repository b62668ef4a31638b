// What each object-layer value spawns: one spawner per kind number.
#include "world/actor_pool.hpp"
#include "world/handlers.hpp"

namespace q {

namespace {

// Kinds 2/12 hold the raised quarter on the left, 3/13 on the right; a block
// marker names the lower tile row of the block, so it appears one tile higher.
constexpr int kLBlockRaise = kTileSize;
// The tall picture stands on its marker cell and reaches 160 pixels above it.
constexpr int kTallPropRaise = 160;

int ExitLockInit(World&, Actor& a, int x, int y, int) { return InitActorBox(a, x, y, 32, 32, ExitLockTick, PropDraw); }
int PickupInit(World&, Actor& a, int x, int y, int) { return InitActorBox(a, x, y, kTileSize, kTileSize, PickupTick, PropDraw); }
int Prop32x64Init(World&, Actor& a, int x, int y, int) { return InitActorBox(a, x, y, 32, 64, nullptr, PropDraw); }
int Prop48x80Init(World&, Actor& a, int x, int y, int) { return InitActorBox(a, x, y, 48, 80, nullptr, PropDraw); }
int FigureInit(World&, Actor& a, int x, int y, int) { return InitActorBox(a, x, y, kTileSize, 2 * kTileSize, nullptr, FigureDraw); }
int Prop96x176Init(World&, Actor& a, int x, int y, int) { return InitActorBox(a, x, y, 96, 176, nullptr, PropDraw); }
int SpawnerInit(World&, Actor& a, int x, int y, int) { return InitActorBox(a, x, y, kTileSize, 2 * kTileSize, SpawnerTick, nullptr); }

void SpawnNothing(World&, int, int, int, int) {}

void SpawnPlayer(World& w, int x, int y, int kind, int cell) {
    if (FindPlayer(w)) return;  // one player per floor: the topmost marker wins
    SpawnActor(w, x, y, kind, cell, PlayerInit);
}

void SpawnLBlock0(World& w, int x, int y, int kind, int cell) {
    SpawnActor(w, x, y - kLBlockRaise, kind, cell, LBlockInit, SHAPE_RAISED_LEFT);
}

void SpawnLBlock1(World& w, int x, int y, int kind, int cell) {
    SpawnActor(w, x, y - kLBlockRaise, kind, cell, LBlockInit, SHAPE_RAISED_RIGHT);
}

void SpawnBuilder(World& w, int x, int y, int kind, int cell) { SpawnActor(w, x, y, kind, cell, BuilderInit); }
void SpawnExitLock(World& w, int x, int y, int kind, int cell) { SpawnActor(w, x, y, kind, cell, ExitLockInit); }
void SpawnPickup(World& w, int x, int y, int kind, int cell) { SpawnActor(w, x, y, kind, cell, PickupInit); }
void SpawnProp32x64(World& w, int x, int y, int kind, int cell) { SpawnActor(w, x, y, kind, cell, Prop32x64Init); }
void SpawnProp48x80(World& w, int x, int y, int kind, int cell) { SpawnActor(w, x, y, kind, cell, Prop48x80Init); }
void SpawnFigure(World& w, int x, int y, int kind, int cell) { SpawnActor(w, x, y, kind, cell, FigureInit); }

void SpawnProp96x176(World& w, int x, int y, int kind, int cell) {
    SpawnActor(w, x, y - kTallPropRaise, kind, cell, Prop96x176Init);
}

void SpawnChaserSpawner(World& w, int x, int y, int kind, int cell) {
    if (w.extraSpawnsEnabled != 1) return;
    SpawnActor(w, x, y, kind, cell, SpawnerInit);
}

}  // namespace

const KindSpawner KindSpawnTable[kKindCount] = {
    SpawnNothing,      // 0
    SpawnPlayer,       // 1
    SpawnLBlock0,      // 2
    SpawnLBlock1,      // 3
    SpawnBuilder,      // 4
    SpawnChaser,       // 5
    SpawnExitLock,     // 6
    SpawnPickup,       // 7
    SpawnProp32x64,    // 8
    SpawnProp48x80,    // 9
    SpawnFigure,       // 10
    SpawnProp96x176,   // 11
    SpawnLBlock0,      // 12
    SpawnLBlock1,      // 13
    SpawnChaserSpawner,  // 14
};

}  // namespace q
