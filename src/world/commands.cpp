// Where the player's command of a step comes from: the command handed in
// with the step in normal play, the floor's demo bytes in a replay.
#include "world/commands.hpp"

namespace q {

void ReadCommand(World& w, Actor& a) {
    ++w.commandsRead;
    if (w.playMode == PLAY_MODE_NORMAL) {
        a.command = w.liveCommand;
        return;
    }
    // A cursor that never had a demo to point into (no floor loaded) reads 0.
    if (w.replayPos < 0 || w.replayPos >= kReplayBytes) {
        a.command = CMD_NONE;
        return;
    }
    a.command = static_cast<int8_t>(w.replayBuffer[w.replayPos]);
}

}  // namespace q
