#pragma once
#include "world/world.hpp"

// The L-blocks' helpers that other kinds and the tests reach for; their
// update handlers are in handlers.hpp.
namespace q {

constexpr int kLBlockSize = 2 * kTileSize;
// A falling block drops a whole tile a step, so it keeps to the tile rows.
constexpr int kLBlockFallSpeed = kTileSize;
// Steps a block hangs without support before it falls.
constexpr int kLBlockRestSteps = 40;
// The speed of a player pushed down by a falling block; nothing else moves
// the player this fast, so the tools can tell a push from a fall.
constexpr int kPushSpeed = kTileSize;

// Whether the player stands where it can take hold of this block.
bool GrabPositionMatches(const Actor& player, const Actor& block);
// 1 when nothing stands on the block (above its raised quarter, above its
// notch, or in its notch).
bool LBlockClearAbove(const World& w, const Actor& block);
// 1 (and the block's y put back) when a same-dir block stands diagonally
// below it on its notch side, dy pixels lower than the block's current y.
bool LBlockNeighbourBelow(World& w, Actor& block, int dy);
// Puts the block back where the lift or put-down started.
void CancelBlockMove(World& w, Actor& block, ActorHandler blockHandler, ActorHandler playerHandler);

// What a falling, lifted or carried block does to those it meets.
void PushPlayerDown(World& w, Actor& block);
void SquashCreatures(World& w, Actor& block);
void LiftCreatures(World& w, Actor& block);

}  // namespace q
