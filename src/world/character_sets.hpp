#pragma once
#include "platform/core/rect.hpp"
#include "world/world.hpp"

namespace q {

// Rows by facing, eight frames each in the order A, A, B, B, A, A, C, C.
struct CharacterSet {
    Rect frames[4][8];
};

extern const CharacterSet CharacterSets[kCharacterCount];

void DrawCharacter(const Actor& a, const CharacterSet& set);

}  // namespace q
