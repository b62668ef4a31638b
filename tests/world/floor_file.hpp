#pragma once
// Writing small floor files for tests.
//
//   test::FloorRecord f = test::RecordFromRows({"P...", "####"});
//   f.demo = {1, 1, 1, 1};
//   auto bytes = test::FloorFileBytes({f});  // floor 1; other entries point at it
//   std::string path = test::WriteTempFile("two_rows.dat", bytes);
//
// Layout: 57 little-endian offsets counted from byte 228, then each record:
// rows, start row, rows*40 tile bytes, rows*40 object bytes, demo length,
// demo bytes.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "world/world_builder.hpp"

namespace q::test {

struct FloorRecord {
    int32_t rows = 0;
    int32_t startRow = 0;
    std::vector<int8_t> tiles;    // rows * 40
    std::vector<int8_t> objects;  // rows * 40
    std::vector<uint8_t> demo;
};

// A record drawn with the characters of world_builder.hpp.
inline FloorRecord RecordFromRows(const std::vector<std::string>& rows, int startRow = 0,
                                  const std::vector<uint8_t>& demo = {}) {
    FloorRecord f;
    f.rows = static_cast<int32_t>(rows.size());
    f.startRow = startRow;
    f.tiles.assign(rows.size() * kFloorColumns, 0);
    f.objects.assign(rows.size() * kFloorColumns, 0);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size() && c < static_cast<size_t>(kFloorColumns); ++c) {
            const size_t cell = r * kFloorColumns + c;
            const int object = ObjectForChar(rows[r][c]);
            if (object >= 0)
                f.objects[cell] = static_cast<int8_t>(object);
            else
                f.tiles[cell] = static_cast<int8_t>(TileForChar(rows[r][c]));
        }
    }
    f.demo = demo;
    return f;
}

inline void AppendInt32(std::vector<uint8_t>& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

inline void PatchInt32(std::vector<uint8_t>& bytes, size_t at, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(u >> (8 * i));
}

inline void AppendRecord(std::vector<uint8_t>& out, const FloorRecord& f) {
    AppendInt32(out, f.rows);
    AppendInt32(out, f.startRow);
    for (int8_t t : f.tiles) out.push_back(static_cast<uint8_t>(t));
    for (int8_t o : f.objects) out.push_back(static_cast<uint8_t>(o));
    AppendInt32(out, static_cast<int32_t>(f.demo.size()));
    out.insert(out.end(), f.demo.begin(), f.demo.end());
}

constexpr size_t kFloorHeaderBytes = 57 * 4;

// floors[i] becomes floor i + 1; header entries past the list point at the
// first record.
inline std::vector<uint8_t> FloorFileBytes(const std::vector<FloorRecord>& floors) {
    std::vector<uint8_t> body;
    std::vector<int32_t> offsets;
    for (const FloorRecord& f : floors) {
        offsets.push_back(static_cast<int32_t>(body.size()));
        AppendRecord(body, f);
    }
    std::vector<uint8_t> out;
    for (int i = 0; i < 57; ++i)
        AppendInt32(out, i < static_cast<int>(offsets.size()) ? offsets[i] : (offsets.empty() ? 0 : offsets[0]));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// Byte position of floor n's record (1-based) in a file made by FloorFileBytes.
inline size_t RecordPosition(const std::vector<uint8_t>& bytes, int n) {
    const size_t at = static_cast<size_t>(n - 1) * 4;
    const uint32_t offset = static_cast<uint32_t>(bytes[at]) | (static_cast<uint32_t>(bytes[at + 1]) << 8) |
                            (static_cast<uint32_t>(bytes[at + 2]) << 16) |
                            (static_cast<uint32_t>(bytes[at + 3]) << 24);
    return kFloorHeaderBytes + offset;
}

// A per-process scratch folder for files written by tests.
inline std::filesystem::path TestScratchDir() {
    auto dir = std::filesystem::temp_directory_path() / ("quorrel-tests-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

inline std::string WriteTempFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    const auto path = TestScratchDir() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

}  // namespace q::test
