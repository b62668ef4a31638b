#pragma once
// Writes small floor.dat files for tests: floors drawn as rows of characters.
//
//   auto floor = test::FloorFromRows({"..PE", "", "####"}, 0, {1, 1, 1, 1});
//   test::FloorDat dat;            // 57 slots, all missing
//   dat.Set(1, floor);             // floor 1
//   test::WriteFile(dir + "/floor.dat", dat.Build());
//
// Terrain: '.' 0, '#' 31 solid, '=' 30, '+' 28, 'H' 24 ladder.
// Objects (tile 0 under them): 'P' player, 'E' exit cell, 'L' / 'J' L-blocks
// (kinds 2 / 3), 'B' builder, '*' pickup, 'X' exit lock.
// Short rows are padded with '.'. A missing floor gets a header entry that
// points past the end of the file, so loading it fails.
#include <array>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace q::test {

struct FloorRecord {
    int32_t rows = 0;
    int32_t startRow = 0;
    std::vector<int8_t> tiles;    // rows * 40
    std::vector<int8_t> objects;  // rows * 40
    std::vector<uint8_t> demo;
};

inline int8_t FloorTileForChar(char c) {
    switch (c) {
        case '#': return 31;
        case '=': return 30;
        case '+': return 28;
        case 'H': return 24;
        default: return 0;
    }
}

inline int8_t FloorObjectForChar(char c) {
    switch (c) {
        case 'P': return 1;
        case 'E': return 31;
        case 'L': return 2;
        case 'J': return 3;
        case 'B': return 4;
        case 'X': return 6;
        case '*': return 7;
        default: return 0;
    }
}

inline FloorRecord FloorFromRows(const std::vector<std::string>& rows, int32_t startRow = 0,
                                 std::vector<uint8_t> demo = {}) {
    FloorRecord f;
    f.rows = static_cast<int32_t>(rows.size());
    f.startRow = startRow;
    f.tiles.assign(rows.size() * 40, 0);
    f.objects.assign(rows.size() * 40, 0);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size() && c < 40; ++c) {
            f.tiles[r * 40 + c] = FloorTileForChar(rows[r][c]);
            f.objects[r * 40 + c] = FloorObjectForChar(rows[r][c]);
        }
    }
    f.demo = std::move(demo);
    return f;
}

// A floor of `rows` rows (at least 31) whose player stands at the left, one
// column short of the exit, on a solid floor; walking right clears it in four
// logic steps. The demo walks right.
inline FloorRecord WalkRightFloor(int32_t rows = 31, int32_t startRow = 0) {
    std::vector<std::string> map(static_cast<std::size_t>(rows));
    const std::size_t standRow = static_cast<std::size_t>(rows) - 4;
    map[standRow] = ".PE";
    map[standRow + 2] = std::string(40, '#');
    map[standRow + 3] = std::string(40, '#');
    return FloorFromRows(map, startRow, std::vector<uint8_t>(12, 1));
}

// A floor where the player stands still high up with nothing to reach: play
// goes on until something outside the floor ends it.
inline FloorRecord StandingFloor(int32_t rows = 31, int32_t startRow = 0) {
    std::vector<std::string> map(static_cast<std::size_t>(rows));
    map[10] = "....P";
    map[12] = std::string(40, '#');
    return FloorFromRows(map, startRow);
}

class FloorDat {
public:
    static constexpr int kSlots = 57;

    void Set(int floor, FloorRecord record) { floors_.at(static_cast<std::size_t>(floor - 1)) = std::move(record); }
    void SetAll(int first, int last, const FloorRecord& record) {
        for (int n = first; n <= last; ++n) Set(n, record);
    }

    std::vector<uint8_t> Build() const {
        std::vector<uint8_t> body;
        std::array<int32_t, kSlots> offsets{};
        for (int i = 0; i < kSlots; ++i) {
            if (!floors_[static_cast<std::size_t>(i)]) {
                continue;
            }
            const FloorRecord& f = *floors_[static_cast<std::size_t>(i)];
            offsets[static_cast<std::size_t>(i)] = static_cast<int32_t>(body.size());
            Put32(body, f.rows);
            Put32(body, f.startRow);
            body.insert(body.end(), f.tiles.begin(), f.tiles.end());
            body.insert(body.end(), f.objects.begin(), f.objects.end());
            Put32(body, static_cast<int32_t>(f.demo.size()));
            body.insert(body.end(), f.demo.begin(), f.demo.end());
        }
        for (int i = 0; i < kSlots; ++i) {
            if (!floors_[static_cast<std::size_t>(i)]) offsets[static_cast<std::size_t>(i)] = 0x7FFFFF00;
        }
        std::vector<uint8_t> file;
        for (int32_t offset : offsets) Put32(file, offset);
        file.insert(file.end(), body.begin(), body.end());
        return file;
    }

private:
    static void Put32(std::vector<uint8_t>& out, int32_t value) {
        const auto u = static_cast<uint32_t>(value);
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(u >> (8 * i)));
    }

    std::array<std::optional<FloorRecord>, kSlots> floors_;
};

inline bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace q::test
