// Names of the handlers as traces and logs print them.
#include <cstddef>

#include "world/actor_pool.hpp"
#include "world/handlers.hpp"

namespace q {

namespace {

template <class Handler>
struct Named {
    Handler handler;
    const char* name;
};

template <class Handler, std::size_t N>
const char* NameIn(const Named<Handler> (&table)[N], Handler h) {
    if (!h) return nullptr;
    for (const Named<Handler>& n : table)
        if (n.handler == h) return n.name;
    return "?";
}

constexpr Named<ActorHandler> kHandlerNames[] = {
    {PlayerWalk, "PlayerWalk"},
    {PlayerClimb, "PlayerClimb"},
    {PlayerCarry, "PlayerCarry"},
    {PlayerFrozen, "PlayerFrozen"},
    {PlayerCrushed, "PlayerCrushed"},
    {TrackIdle, "TrackIdle"},
    {LBlockFall, "LBlockFall"},
    {LBlockRest, "LBlockRest"},
    {LBlockLift, "LBlockLift"},
    {LBlockShiftIn, "LBlockShiftIn"},
    {LBlockCarried, "LBlockCarried"},
    {LBlockShiftOut, "LBlockShiftOut"},
    {LBlockLower, "LBlockLower"},
    {TryGrabLBlock, "TryGrabLBlock"},
    {Squashed, "Squashed"},
    {BuilderWalk, "BuilderWalk"},
    {KillPlayerOnTouch, "KillPlayerOnTouch"},
    {ChaserWalk, "ChaserWalk"},
    {ChaserClimb, "ChaserClimb"},
    {SpawnerTick, "SpawnerTick"},
    {ExitLockTick, "ExitLockTick"},
    {PickupTick, "PickupTick"},
};

constexpr Named<ActorDrawer> kDrawerNames[] = {
    {PlayerDraw, "PlayerDraw"}, {LBlockDraw, "LBlockDraw"}, {BuilderDraw, "BuilderDraw"},
    {ChaserDraw, "ChaserDraw"}, {PropDraw, "PropDraw"},     {FigureDraw, "FigureDraw"},
};

}  // namespace

const char* HandlerName(ActorHandler h) { return NameIn(kHandlerNames, h); }
const char* HandlerName(ActorDrawer h) { return NameIn(kDrawerNames, h); }

}  // namespace q
