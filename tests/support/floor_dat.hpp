#pragma once
// Writing floor.dat files for tests, with floors drawn as rows of characters.
//
//   auto floor = test::FloorFromRows({"..PE", "", "####"}, 0, {1, 1, 1, 1});
//   test::FloorDat dat;            // 57 slots, all missing
//   dat.Set(1, floor);             // floor 1
//   test::WriteFile(dir + "/floor.dat", dat.Build());
//
// Terrain characters:
//   '.' 0   '#' 31 solid   '=' 30   '+' 28 (floor for blocks and carriers)
//   'H' 24 ladder   'h' 28 ladder with footing   'k' 27 ladder   '~' 16
// Object characters put a marker in the object layer (tile 0 under it):
//   'P' player   'E' exit cell (31)   'L' L-block kind 2   'J' kind 3
//   'l' heavy kind 12   'j' heavy kind 13   'B' builder   'C' chaser
//   'X' exit lock   '*' pickup   'F' figure   'S' chaser spawner
// Rows shorter than 40 cells are padded with '.'.
//
// The file: 57 little-endian offsets counted from byte 228, then each record:
// rows, start row, rows*40 tile bytes, rows*40 object bytes, demo length,
// demo bytes.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/bytes.hpp"
#include "world/world.hpp"

namespace q::test {

inline int TileForChar(char c) {
    switch (c) {
        case '#': return 31;
        case '=': return 30;
        case '+': return 28;
        case 'H': return 24;
        case 'h': return 28;
        case 'k': return 27;
        case '~': return 16;
        default: return 0;
    }
}

// Object layer byte for a character, or -1 when the character is terrain.
inline int ObjectForChar(char c) {
    switch (c) {
        case 'P': return KIND_PLAYER;
        case 'E': return EXIT_CELL;
        case 'L': return KIND_LBLOCK_0;
        case 'J': return KIND_LBLOCK_1;
        case 'l': return KIND_HEAVY_LBLOCK_0;
        case 'j': return KIND_HEAVY_LBLOCK_1;
        case 'B': return KIND_BUILDER;
        case 'C': return KIND_CHASER;
        case 'X': return KIND_EXIT_LOCK;
        case '*': return KIND_PICKUP;
        case 'F': return KIND_FIGURE;
        case 'S': return KIND_CHASER_SPAWNER;
        default: return -1;
    }
}

struct FloorRecord {
    int32_t rows = 0;
    int32_t startRow = 0;
    std::vector<int8_t> tiles;    // rows * 40
    std::vector<int8_t> objects;  // rows * 40
    std::vector<uint8_t> demo;
};

inline FloorRecord FloorFromRows(const std::vector<std::string>& rows, int32_t startRow = 0,
                                 std::vector<uint8_t> demo = {}) {
    FloorRecord f;
    f.rows = static_cast<int32_t>(rows.size());
    f.startRow = startRow;
    f.tiles.assign(rows.size() * kFloorColumns, 0);
    f.objects.assign(rows.size() * kFloorColumns, 0);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size() && c < size_t(kFloorColumns); ++c) {
            const size_t cell = r * kFloorColumns + c;
            const int object = ObjectForChar(rows[r][c]);
            if (object >= 0)
                f.objects[cell] = static_cast<int8_t>(object);
            else
                f.tiles[cell] = static_cast<int8_t>(TileForChar(rows[r][c]));
        }
    }
    f.demo = std::move(demo);
    return f;
}

// A floor of `rows` rows (at least 31) whose player stands at the left, one
// column short of the exit, on a solid floor; walking right clears it in four
// logic steps. The demo walks right.
inline FloorRecord WalkRightFloor(int32_t rows = 31, int32_t startRow = 0) {
    std::vector<std::string> map(static_cast<size_t>(rows));
    const size_t standRow = static_cast<size_t>(rows) - 4;
    map[standRow] = ".PE";
    map[standRow + 2] = std::string(40, '#');
    map[standRow + 3] = std::string(40, '#');
    return FloorFromRows(map, startRow, std::vector<uint8_t>(12, 1));
}

// A floor where the player stands still high up with nothing to reach: play
// goes on until something outside the floor ends it.
inline FloorRecord StandingFloor(int32_t rows = 31, int32_t startRow = 0) {
    std::vector<std::string> map(static_cast<size_t>(rows));
    map[10] = "....P";
    map[12] = std::string(40, '#');
    return FloorFromRows(map, startRow);
}

inline void AppendRecord(Bytes& out, const FloorRecord& f) {
    Put32(out, uint32_t(f.rows));
    Put32(out, uint32_t(f.startRow));
    for (int8_t t : f.tiles) out.push_back(static_cast<uint8_t>(t));
    for (int8_t o : f.objects) out.push_back(static_cast<uint8_t>(o));
    Put32(out, static_cast<uint32_t>(f.demo.size()));
    out.insert(out.end(), f.demo.begin(), f.demo.end());
}

constexpr int kFloorSlots = 57;
constexpr size_t kFloorHeaderBytes = kFloorSlots * 4;

// The file with floor n's record at header entry n - 1; a missing floor's
// entry points past the end of the file, and ones past the list at the
// first record.
inline Bytes FloorFile(const std::vector<std::optional<FloorRecord>>& floors, bool missingPastEnd) {
    Bytes body;
    std::array<int32_t, kFloorSlots> offsets{};
    for (size_t i = 0; i < floors.size() && i < size_t(kFloorSlots); ++i) {
        if (!floors[i]) {
            offsets[i] = missingPastEnd ? 0x7FFFFF00 : 0;
            continue;
        }
        offsets[i] = static_cast<int32_t>(body.size());
        AppendRecord(body, *floors[i]);
    }
    Bytes file;
    for (int32_t offset : offsets) Put32(file, static_cast<uint32_t>(offset));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// floors[i] becomes floor i + 1; header entries past the list point at the
// first record.
inline Bytes FloorFileBytes(const std::vector<FloorRecord>& floors) {
    return FloorFile(std::vector<std::optional<FloorRecord>>(floors.begin(), floors.end()), false);
}

// Byte position of floor n's record (1-based) in a floor file.
inline size_t RecordPosition(const Bytes& bytes, int n) {
    const size_t at = static_cast<size_t>(n - 1) * 4;
    const uint32_t offset = uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
                            uint32_t(bytes[at + 3]) << 24;
    return kFloorHeaderBytes + offset;
}

// All 57 slots, each set or missing (loading a missing one fails).
class FloorDat {
public:
    void Set(int floor, FloorRecord record) { floors_.at(static_cast<size_t>(floor - 1)) = std::move(record); }
    void SetAll(int first, int last, const FloorRecord& record) {
        for (int n = first; n <= last; ++n) Set(n, record);
    }
    Bytes Build() const { return FloorFile(floors_, true); }

private:
    std::vector<std::optional<FloorRecord>> floors_ = std::vector<std::optional<FloorRecord>>(kFloorSlots);
};

}  // namespace q::test
