#pragma once
#include "world/world.hpp"

namespace q {

int KeysToCommand();
void ReadCommand(World& w, Actor& a);

}  // namespace q
