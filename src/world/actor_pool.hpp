#pragma once
#include "world/world.hpp"

namespace q {

int InitActorPool(World& w);  // links the sentinels, 400 records on the free list
Actor* SpawnActor(World& w, int x, int y, int kind, int cell, ActorInit init, int arg = 0);
// Walking the active list; inline because every pass and many handlers walk
// it every step.
inline Actor* FirstActive(World& w) {  // nullptr when the active list is empty
    const int i = w[kActiveHead].next;
    return i == kActiveTail ? nullptr : &w[i];
}
inline Actor* NextActive(World& w, const Actor& a) {  // nullptr after the last active record
    const int i = a.next;
    return (i == kActiveTail || i == kNoActor) ? nullptr : &w[i];
}
inline Actor* LastActive(World& w) {
    const int i = w[kActiveTail].prev;
    return i == kActiveHead ? nullptr : &w[i];
}
inline Actor* PrevActive(World& w, const Actor& a) {
    const int i = a.prev;
    return (i == kActiveHead || i == kNoActor) ? nullptr : &w[i];
}
Actor* FindActor(World& w, Actor* start, int kind);
Actor* FindPlayer(World& w);  // FindActor(first active, KIND_PLAYER)
void ReleaseActor(World& w, Actor& a);
void ReleaseAllActors(World& w);
int ActiveCount(const World& w);
int FreeCount(const World& w);

int InitActorBox(Actor& a, int x, int y, int width, int height, ActorHandler update, ActorDrawer draw);

extern const int KindUpdateOrder[kKindCount];
extern const int KindDrawOrder[kKindCount];
extern const KindSpawner KindSpawnTable[kKindCount];

void UpdateActors(World& w);
// Calls every draw handler in draw order (no terrain, no HUD).
void DrawActors(const World& w);
// Terrain, then actors.
void DrawWorld(const World& w);

// Name of a handler as traces and logs print it ("PlayerWalk"); nullptr for
// no handler, "?" for one not in the table.
const char* HandlerName(ActorHandler h);
const char* HandlerName(ActorDrawer h);

}  // namespace q
