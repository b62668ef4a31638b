// The three characters' pictures and the one routine that draws a character
// actor stretched into its box.
#include "world/character_sets.hpp"

#include "platform/core/sprite.hpp"

namespace q {

namespace {

// The walk cycle: poses A, A, B, B, A, A, C, C.
constexpr int kCyclePoses[8] = {0, 0, 1, 1, 0, 0, 2, 2};

constexpr CharacterSet MakeSet(int character) {
    CharacterSet set{};
    for (int d = 0; d < 4; ++d)
        for (int f = 0; f < 8; ++f) set.frames[d][f] = atlas::Pose(character, d, kCyclePoses[f]);
    return set;
}

}  // namespace

const CharacterSet CharacterSets[kCharacterCount] = {MakeSet(0), MakeSet(1), MakeSet(2)};

void DrawCharacter(const Actor& a, const CharacterSet& set) {
    // No actor sets a facing or frame outside the table; if one did, it would
    // simply not be drawn.
    if (a.dir < FACING_RIGHT || a.dir > FACING_CLIMBING || a.frame < 0 || a.frame > 7) return;
    DrawSprite({a.x, a.y, a.x + a.width, a.y + a.height}, set.frames[a.dir][a.frame], kUntinted);
}

}  // namespace q
