#pragma once
// A floor as the generator builds it, in parts it can change one at a time:
// a room of stone ground (towers, steps, pits), ledges with their ladders,
// and the pieces standing on them. Drawn out, it is a floor like any other.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "floors/floor_source.hpp"
#include "floors/ideas.hpp"
#include "floors/split_mix.hpp"

namespace q::floors {

struct Piece {
    int8_t kind = 0;  // object code: player, block, builder, pickup, exit cell or lock
    int column = 0;   // the leftmost column it covers
    int surface = 0;  // the tile row it stands on
};

struct Ledge {
    int row = 0;
    int from = 0, to = 0;  // columns, both included
    int ladder = -1;       // a column of from..to with a ladder down to what is below, or -1
};

struct Layout {
    int rows = 30;
    int left = 1, width = 12;   // the room's columns; everything beside it is stone
    std::vector<int> ground;    // per room column: stone rows above the ground row (negative: a pit)
    std::vector<Ledge> ledges;
    std::vector<Piece> pieces;  // [0] the player, [1] the exit, then the rest

    // The ground's surface row: two rows of stone below it stay whole under
    // the deepest pit, so nothing can fall out of the floor.
    int Base() const { return rows - 4; }
    int Right() const { return left + width - 1; }
};

constexpr int kMaxPitDepth = 2;

// The two layers as legend characters, one string a row.
struct Drawing {
    std::vector<std::string> terrain, objects;
};

// Draws the layout; nullopt when a piece does not stand on something firm,
// overlaps terrain or another piece, or leaves the room.
std::optional<Drawing> Draw(const Layout& layout);
// The places (column, surface) where a piece of that kind could stand, the
// pieces of the layout other than `skip` standing where they are.
std::vector<std::pair<int, int>> Spots(const Layout& layout, int8_t kind, int skip);
// Moves each piece that no longer fits to the nearest place in its column
// that does; false when one has none near.
bool Settle(Layout& layout);

// The drawing as a floor, its view starting where the player can be seen.
Floor ToFloor(const Drawing& drawing);

// A first layout for the ideas asked: the pieces they need, a few blocks and
// an exit above the player.
Layout RandomLayout(IdeaSet ideas, int rows, SplitMix& rng);
// One small change that still draws; false when the change tried did not fit
// (the layout is then as it was).
bool Mutate(Layout& layout, IdeaSet ideas, SplitMix& rng);

}  // namespace q::floors
