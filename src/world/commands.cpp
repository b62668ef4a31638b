// Where the player's command of a step comes from: the keyboard in normal
// play, the floor's demo bytes in a replay.
#include "world/commands.hpp"

#include "platform/keyboard.hpp"

namespace q {

int KeysToCommand() {
    // Each later test that holds overrides the earlier ones: action beats up,
    // up beats down, down beats left, left beats right.
    int command = CMD_NONE;
    if (IsHeld(ButtonRight)) command = CMD_RIGHT;
    if (IsHeld(ButtonLeft)) command = CMD_LEFT;
    if (IsHeld(ButtonDown)) command = CMD_DOWN;
    if (IsHeld(ButtonUp)) command = CMD_UP;
    if (IsPressed(ButtonAction)) command = CMD_ACTION;
    return command;
}

void ReadCommand(World& w, Actor& a) {
    if (w.playMode == PLAY_MODE_NORMAL) {
        a.command = KeysToCommand();
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
