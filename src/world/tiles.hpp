#pragma once

namespace q {

// The terrain tiles the rules tell apart. Tile numbers grow with firmness, so
// "this tile or firmer" is one comparison; below the ladders is scenery.
enum TileClass : int {
    // From here up a tile may count for a rule: two tiles ORed under a block
    // (16 | 12) can reach the footing. Below it a tile is only dressing.
    TILE_RULED = 16,
    TILE_LADDER = 24,   // 24..29 ladders; from here up a walker is held up
    TILE_FOOTING = 28,  // from here up: holds blocks, the builder and a carried load
    TILE_LAST_LADDER = 29,
    TILE_SOLID = 31,    // walls and ceilings for everything
};

inline bool IsLadderTile(int t) { return t >= TILE_LADDER && t <= TILE_LAST_LADDER; }

}  // namespace q
