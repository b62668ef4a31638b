#pragma once
#include "world/character_sets.hpp"
#include "world/world.hpp"

// The builder's and the chaser's helpers; their update and draw handlers are
// in handlers.hpp.
namespace q {

// Builder (kind 4).
void BuilderPlaceBlock(World& w, Actor& builder);

// Chaser (kind 5). Every helper but ChaserTurn and OnLadderTop does nothing
// while there is no player.
void ChaserTurn(World& w, Actor& chaser);
void ChaserEnterLadder(World& w, Actor& chaser);
void ChaserDescend(World& w, Actor& chaser);
void ChaserLeaveLadder(World& w, Actor& chaser);
void ChaserLevelCheck(World& w, Actor& chaser);
bool OnLadderTop(const World& w, const Actor& chaser);

// The character set a kind is drawn with: the player's own plus an offset.
const CharacterSet& CharacterSetFor(const World& w, int offset);

}  // namespace q
