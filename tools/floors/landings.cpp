#include "floors/landings.hpp"

#include <algorithm>
#include <cstdint>

#include "world/tiles.hpp"
#include "world/world.hpp"

namespace q::floors {

namespace {

// One cell of a landing as compared: terrain by what it does in play, or the
// piece standing in it.
enum Cell : uint8_t {
    kAir = 0,
    kLadder,
    kHatch,
    kLedge,
    kStone,
    kBuilder,
    kChaser,
    kSpawner,
    // A block's cells: kBlock + 2 * (weight + facing) + half, so that
    // mirroring flips the two lowest bits.
    kBlock,
};

constexpr int kLight = 0, kHeavy = 2;
constexpr int kRaisedLeft = 0, kRaisedRight = 1;

// Runs of equal columns longer than this count as this long: a block is two
// columns wide, so one, two and "room to spare" are the widths that matter.
constexpr int kWidestRun = 3;
// Air rows kept above a landing's highest part: the height of a player
// holding a block over its head.
constexpr int kHeadroom = 4;

using Grid = std::vector<std::vector<uint8_t>>;  // [row][column]

// A landing's rows: terrain and blocks in the grid, creatures apart, as they
// walk and so stand for the whole run of columns they start on.
struct Band {
    Grid grid;
    struct Creature {
        int row, column;
        uint8_t code;
    };
    std::vector<Creature> creatures;
};

uint8_t TerrainCell(int8_t tile) {
    if (tile >= TILE_SOLID) return kStone;
    if (tile >= TILE_FOOTING) return IsLadderTile(tile) ? kHatch : kLedge;
    if (tile >= TILE_LADDER) return kLadder;
    return kAir;
}

// A row the whole width of ledge, hatch or stone: nothing passes it but a
// climber through a hatch, so it ends one landing and floors the next.
bool IsDividingRow(const Floor& f, int row) {
    for (int column = 0; column < kColumns; ++column)
        if (f.Tile(column, row) < TILE_FOOTING) return false;
    return true;
}

bool IsBlock(int8_t object) {
    return object == KIND_LBLOCK_0 || object == KIND_LBLOCK_1 || object == KIND_HEAVY_LBLOCK_0 ||
           object == KIND_HEAVY_LBLOCK_1;
}

int BlockCode(int8_t object, bool exact) {
    if (!exact) return kBlock;
    const int weight = (object == KIND_HEAVY_LBLOCK_0 || object == KIND_HEAVY_LBLOCK_1) ? kHeavy : kLight;
    const int facing = (object == KIND_LBLOCK_0 || object == KIND_HEAVY_LBLOCK_0) ? kRaisedLeft : kRaisedRight;
    return kBlock + 2 * (weight + facing);
}

uint8_t CreatureCode(int8_t object) {
    switch (object) {
        case KIND_BUILDER: return kBuilder;
        case KIND_CHASER: return kChaser;
        case KIND_CHASER_SPAWNER: return kSpawner;
        default: return kAir;
    }
}

// Rows first..last of the floor with their blocks and creatures, each block
// where it comes to rest. Returns false when the band holds neither.
bool BuildBand(const Floor& f, int first, int last, bool exact, Band& band) {
    const int height = last - first + 1;
    band.grid.assign(static_cast<size_t>(height), std::vector<uint8_t>(kColumns, kAir));
    band.creatures.clear();
    auto at = [&](int column, int row) -> uint8_t& {
        return band.grid[static_cast<size_t>(row - first)][static_cast<size_t>(column)];
    };
    for (int row = first; row <= last; ++row)
        for (int column = 0; column < kColumns; ++column) at(column, row) = TerrainCell(f.Tile(column, row));

    // A block's cell holds its lower half; the lowest blocks settle first so
    // that one dropped onto another stops on it.
    struct Block {
        int column, row, code;
    };
    std::vector<Block> blocks;
    for (int row = last; row >= first; --row)
        for (int column = 0; column + 1 < kColumns; ++column) {
            const int8_t o = f.Object(column, row);
            if (IsBlock(o)) blocks.push_back({column, row, BlockCode(o, exact)});
        }
    auto open = [&](int column, int row) { return at(column, row) == kAir || at(column, row) == kLadder; };
    for (Block& b : blocks) {
        while (b.row < last && open(b.column, b.row + 1) && open(b.column + 1, b.row + 1)) ++b.row;
        for (int half = 0; half < 2; ++half)
            for (int row = std::max(first, b.row - 1); row <= b.row; ++row)
                at(b.column + half, row) = static_cast<uint8_t>(b.code + half);
    }
    for (int row = first; row <= last; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (const uint8_t code = CreatureCode(f.Object(column, row)); code != kAir)
                band.creatures.push_back({row - first, column, code});
    return !blocks.empty() || !band.creatures.empty();
}

// Leading rows of bare air and stone that repeat the top row are sky, not
// puzzle: all but kHeadroom of them go. Returns the rows taken off.
int TrimSky(Band& band) {
    Grid& grid = band.grid;
    const auto bare = [](const std::vector<uint8_t>& row) {
        return std::all_of(row.begin(), row.end(), [](uint8_t c) { return c == kAir || c == kStone; });
    };
    if (grid.empty() || !bare(grid[0])) return 0;
    int same = 1;
    while (same < static_cast<int>(grid.size()) && grid[static_cast<size_t>(same)] == grid[0]) ++same;
    for (const Band::Creature& c : band.creatures) same = std::min(same, c.row);
    const int cut = std::max(0, same - kHeadroom);
    grid.erase(grid.begin(), grid.begin() + cut);
    for (Band::Creature& c : band.creatures) c.row -= cut;
    return cut;
}

uint8_t MirrorCell(uint8_t c, bool exact) {
    // Mirrored, a block's right half is its left, and its raised quarter
    // changes side.
    return c >= kBlock ? static_cast<uint8_t>(kBlock + ((c - kBlock) ^ (exact ? 3 : 1))) : c;
}

// The band as a string of columns, each run of equal columns cut to
// kWidestRun, a creature marked in every column kept of the run it starts on.
std::string ColumnForm(const Band& band, bool exact, bool mirrored) {
    const size_t height = band.grid.size();
    auto column = [&](int i) {
        const int c = mirrored ? kColumns - 1 - i : i;
        std::string cells;
        for (size_t row = 0; row < height; ++row) {
            const uint8_t cell = band.grid[row][static_cast<size_t>(c)];
            cells += static_cast<char>(mirrored ? MirrorCell(cell, exact) : cell);
        }
        return cells;
    };
    std::string out(1, static_cast<char>(height));
    for (int start = 0; start < kColumns;) {
        const std::string cells = column(start);
        int end = start + 1;
        while (end < kColumns && column(end) == cells) ++end;
        std::string kept = cells;
        for (const Band::Creature& c : band.creatures) {
            const int i = mirrored ? kColumns - 1 - c.column : c.column;
            if (i >= start && i < end) kept[static_cast<size_t>(c.row)] = static_cast<char>(c.code);
        }
        for (int n = 0; n < std::min(end - start, kWidestRun); ++n) out += kept;
        start = end;
    }
    return out;
}

// The lesser of the form as drawn and its mirror image, and which one it was.
std::string Canonical(const Band& band, bool exact, int& side) {
    std::string drawn = ColumnForm(band, exact, false), mirror = ColumnForm(band, exact, true);
    side = drawn == mirror ? 0 : drawn < mirror ? 1 : -1;
    return side < 0 ? mirror : drawn;
}

}  // namespace

std::vector<Landing> FindLandings(const Floor& f) {
    std::vector<Landing> out;
    if (f.rows < 1 || f.tiles.size() != static_cast<size_t>(f.rows) * kColumns ||
        f.objects.size() != f.tiles.size())
        return out;
    for (int row = 0; row < f.rows;) {
        if (IsDividingRow(f, row)) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < f.rows && !IsDividingRow(f, row)) ++row;
        const int last = row - 1;

        Band shape, exact;
        if (!BuildBand(f, first, last, false, shape)) continue;
        BuildBand(f, first, last, true, exact);
        const int cut = TrimSky(shape);
        TrimSky(exact);
        Landing l;
        l.firstRow = first + cut;
        l.lastRow = last;
        l.shape = Canonical(shape, false, l.shapeSide);
        l.exactShape = Canonical(exact, true, l.exactSide);
        out.push_back(std::move(l));
    }
    return out;
}

std::string CopyRelation(const Landing& a, const Landing& b) {
    const bool exact = a.exactShape == b.exactShape;
    const int sideA = exact ? a.exactSide : a.shapeSide, sideB = exact ? b.exactSide : b.shapeSide;
    const bool mirrored = sideA != 0 && sideB != 0 && sideA != sideB;
    if (exact) return mirrored ? "mirrored" : "";
    return mirrored ? "mirrored, its blocks facing or weighing otherwise" : "its blocks facing or weighing otherwise";
}

}  // namespace q::floors
