// Names of the handlers as traces and logs print them.
#include "world/actor_pool.hpp"
#include "world/handlers.hpp"

namespace q {

namespace {

struct NamedHandler {
    ActorHandler handler;
    const char* name;
};

constexpr NamedHandler kHandlerNames[] = {
    {PlayerWalk, "PlayerWalk"},
    {PlayerClimb, "PlayerClimb"},
    {PlayerCarry, "PlayerCarry"},
    {PlayerFrozen, "PlayerFrozen"},
    {PlayerCrushed, "PlayerCrushed"},
    {PlayerDraw, "PlayerDraw"},
    {TrackIdle, "TrackIdle"},
    {LBlockFall, "LBlockFall"},
    {LBlockRest, "LBlockRest"},
    {LBlockLift, "LBlockLift"},
    {LBlockShiftIn, "LBlockShiftIn"},
    {LBlockCarried, "LBlockCarried"},
    {LBlockShiftOut, "LBlockShiftOut"},
    {LBlockLower, "LBlockLower"},
    {LBlockDraw, "LBlockDraw"},
    {TryGrabLBlock, "TryGrabLBlock"},
    {Squashed, "Squashed"},
    {BuilderWalk, "BuilderWalk"},
    {BuilderDraw, "BuilderDraw"},
    {KillPlayerOnTouch, "KillPlayerOnTouch"},
    {ChaserWalk, "ChaserWalk"},
    {ChaserClimb, "ChaserClimb"},
    {ChaserDraw, "ChaserDraw"},
    {SpawnerTick, "SpawnerTick"},
    {ExitLockTick, "ExitLockTick"},
    {PickupTick, "PickupTick"},
    {PropDraw, "PropDraw"},
    {FigureDraw, "FigureDraw"},
};

}  // namespace

const char* HandlerName(ActorHandler h) {
    if (!h) return nullptr;
    for (const NamedHandler& n : kHandlerNames)
        if (n.handler == h) return n.name;
    return "?";
}

}  // namespace q
