// The three characters' pictures and the one routine that draws a character
// actor stretched into its box.
#include "world/character_sets.hpp"

#include <array>

#include "platform/sprite.hpp"

namespace q {

namespace {

// A row of the walk cycle: each picture held for two frames.
constexpr std::array<Rect, 8> Cycle(Rect a, Rect b, Rect c) { return {a, a, b, b, a, a, c, c}; }

constexpr CharacterSet MakeSet(std::array<Rect, 8> right, std::array<Rect, 8> left, std::array<Rect, 8> front,
                               std::array<Rect, 8> climb) {
    CharacterSet set{};
    const std::array<Rect, 8>* rows[4] = {&right, &left, &front, &climb};
    for (int d = 0; d < 4; ++d)
        for (int f = 0; f < 8; ++f) set.frames[d][f] = (*rows[d])[f];
    return set;
}

}  // namespace

const CharacterSet CharacterSets[3] = {
    MakeSet(Cycle({29, 41, 42, 63}, {3, 40, 18, 62}, {51, 40, 66, 62}),
            Cycle({30, 105, 43, 127}, {6, 104, 21, 126}, {54, 104, 69, 126}),
            Cycle({28, 73, 44, 95}, {3, 72, 21, 94}, {51, 72, 69, 94}),
            Cycle({28, 9, 44, 31}, {3, 8, 21, 30}, {51, 8, 69, 30})),
    MakeSet(Cycle({101, 37, 115, 64}, {77, 38, 91, 64}, {125, 37, 139, 63}),
            Cycle({101, 101, 115, 128}, {77, 101, 91, 127}, {125, 102, 139, 128}),
            Cycle({101, 69, 115, 96}, {77, 68, 91, 94}, {125, 69, 139, 95}),
            Cycle({101, 5, 115, 32}, {77, 4, 91, 30}, {125, 5, 139, 31})),
    MakeSet(Cycle({175, 38, 185, 63}, {151, 39, 162, 63}, {199, 39, 210, 63}),
            Cycle({175, 102, 185, 127}, {150, 103, 161, 127}, {198, 103, 209, 127}),
            Cycle({172, 70, 188, 95}, {149, 71, 163, 96}, {197, 71, 211, 96}),
            Cycle({172, 6, 188, 31}, {149, 7, 163, 32}, {197, 7, 211, 32})),
};

void DrawCharacter(const Actor& a, const CharacterSet& set) {
    // No actor sets a facing or frame outside the table; if one did, it would
    // simply not be drawn.
    if (a.dir < 0 || a.dir > 3 || a.frame < 0 || a.frame > 7) return;
    DrawSprite({a.x, a.y, a.x + a.width, a.y + a.height}, set.frames[a.dir][a.frame], 0xFFFFFFFF);
}

}  // namespace q
