// The simple kinds: the exit lock that opens once every pickup is taken, the
// pickups, the still pictures, and the figure of the player's character.
#include "platform/core/sprite.hpp"
#include "world/actor_pool.hpp"
#include "world/character_sets.hpp"
#include "world/collision.hpp"
#include "world/creatures.hpp"
#include "world/handlers.hpp"

namespace q {

namespace {


// Atlas picture of each picture kind, drawn stretched into the actor's box;
// kinds without one draw nothing here.
struct PropPicture {
    int kind;
    Rect source;
};
constexpr PropPicture kPropPictures[] = {
    {KIND_EXIT_LOCK, atlas::kExitLock},   {KIND_PICKUP, atlas::kPickup},
    {KIND_PROP_32x64, atlas::kProp32x64}, {KIND_PROP_48x80, atlas::kProp48x80},
    {KIND_PROP_96x176, atlas::kProp96x176},
};

}  // namespace

void ExitLockTick(World& w, Actor& a) {
    // A pickup taken this step still counts: it leaves the list only at the
    // next step's removal pass, so the lock opens a step later.
    if (FindActor(w, FirstActive(w), KIND_PICKUP)) return;
    SetObjectCell(w, a.x, a.y, EXIT_CELL);
    SetObjectCell(w, a.x + kTileSize, a.y, EXIT_CELL);
    a.alive = 0;
}

void PickupTick(World& w, Actor& a) {
    if (!TouchesPlayer(w, a)) return;
    a.alive = 0;
    w.RequestSe(SE_PICKUP);
}

void PropDraw(const World&, const Actor& a) {
    for (const PropPicture& p : kPropPictures) {
        if (p.kind != a.kind) continue;
        DrawSprite(Rect{a.x, a.y, a.x + a.width, a.y + a.height}, p.source, kUntinted);
        return;
    }
}

void FigureDraw(const World& w, const Actor& a) {
    // Always the standing picture facing the viewer, the pose the frame rules
    // give it.
    Actor standing = a;
    standing.dir = FACING_VIEWER;
    standing.frame = 0;
    DrawCharacter(standing, CharacterSetFor(w, 0));
}

}  // namespace q
