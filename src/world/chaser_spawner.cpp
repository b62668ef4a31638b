// Chasers come from the floor and from invisible spawners that add one every
// 301 steps while fewer than ten exist; both only with extra spawns enabled.
#include "world/actor_pool.hpp"
#include "world/handlers.hpp"

namespace q {

namespace {

constexpr int kSpawnInterval = 300;  // the timer must pass this
constexpr int kMaxChasers = 10;

// The spawn announcement is the jingle of one of the other characters.
constexpr SoundEffect kSpawnSoundByCharacter[3] = {SE_CLEAR_SECOND, SE_CLEAR_THIRD, SE_CLEAR_FIRST};

}  // namespace

void SpawnChaser(World& w, int x, int y, int, int cell) {
    if (w.extraSpawnsEnabled != 1) return;
    SpawnActor(w, x, y, KIND_CHASER, cell, ChaserInit);
}

void SpawnerTick(World& w, Actor& a) {
    int chasers = 0;
    for (Actor* c = FirstActive(w); c; c = NextActive(w, *c))
        if (c->kind == KIND_CHASER) ++chasers;
    a.timer += 1;
    if (a.timer <= kSpawnInterval) return;
    a.timer = 0;
    if (chasers >= kMaxChasers) return;
    SpawnChaser(w, a.x, a.y, KIND_CHASER, 0);
    if (w.character >= 0 && w.character < 3) w.RequestSe(kSpawnSoundByCharacter[w.character]);
}

}  // namespace q
