#pragma once
#include "world/world.hpp"

namespace q {

// The player's command for the keys seen by the last PollKeys: action beats
// up, up beats down, down beats left, left beats right. Directions count while
// held; the action only on the step its key goes down.
int KeysToCommand();

}  // namespace q
