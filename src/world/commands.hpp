#pragma once
#include "world/world.hpp"

namespace q {

void ReadCommand(World& w, Actor& a);

}  // namespace q
