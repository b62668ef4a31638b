#pragma once
// A move of the player, as the solver and the floor measures play them: one
// command given on a step where the player takes one, then nothing until the
// next such step.
#include <cstdint>
#include <vector>

#include "floors/ideas.hpp"
#include "floors/world_code.hpp"
#include "world/world.hpp"

namespace q::floors {

// Every command a player can give; keys are never combined.
constexpr int kCommands[] = {CMD_NONE, CMD_RIGHT, CMD_LEFT, CMD_UP, CMD_DOWN, CMD_ACTION};
constexpr int kCommandCount = 6;

// Whether the player will take a command in the coming step. Only a guess
// that saves stepping a copy: PlayMove plays a step read without it again.
bool WillRead(World& w);

enum class Outcome { Moved, Cleared, Failed, Banned };

struct MoveResult {
    Outcome outcome = Outcome::Moved;
    bool acted = false;  // a lift or put-down started
    int steps = 0;
};

// The commands of a way as they are played, and which of them the player
// read, so the demo can hold each key through the steps it skips.
struct Recording {
    std::vector<uint8_t> bytes, reads;
};

// The world a move starts from: its code, and the world decoded, whose
// occupancy map may be the one its blocks stamp afresh (then a fork of it is
// cheap: its map is rebuilt rather than decoded).
struct Start {
    const std::vector<uint8_t>& code;
    const World& world;
    bool asStamped;
    void Into(World& w, const WorldCoder& coder) const;
};

// Plays `command` from `from` (forked into w) on the first step, then nothing
// until the next step the player will read; every step checked against the
// bans. Steps read where none was expected are counted in misses.
MoveResult PlayMove(World& w, const WorldCoder& coder, const Start& from, int command, const IdeaBans& bans,
                    Recording* rec, int64_t& misses);

// Steps that were not read carry on the command read before them, so a demo
// reads as held keys rather than taps; replay never reads them.
std::vector<uint8_t> Smooth(const Recording& rec);

}  // namespace q::floors
