#include "play/key_command.hpp"

#include "platform/keyboard.hpp"
#include "world/world.hpp"

namespace q {

int KeysToCommand() {
    // Each later test that holds overrides the earlier ones.
    int command = CMD_NONE;
    if (IsHeld(ButtonRight)) command = CMD_RIGHT;
    if (IsHeld(ButtonLeft)) command = CMD_LEFT;
    if (IsHeld(ButtonDown)) command = CMD_DOWN;
    if (IsHeld(ButtonUp)) command = CMD_UP;
    if (IsPressed(ButtonAction)) command = CMD_ACTION;
    return command;
}

}  // namespace q
