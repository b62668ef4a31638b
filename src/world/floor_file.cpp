// Loading one floor record from the floor file into the stage buffers, and
// turning its object layer into actors.
#include <cstring>

#include "platform/core/files.hpp"
#include "platform/core/little_endian.hpp"
#include "world/actor_pool.hpp"
#include "world/collision.hpp"
#include "world/floor.hpp"

namespace q {

namespace {

constexpr int kHeaderEntries = kFloorCount;
constexpr int64_t kHeaderBytes = kHeaderEntries * 4;  // offsets count from here

bool ReadExactly(InputFile& file, int64_t position, void* dst, int64_t n) {
    if (position < 0 || n < 0 || position + n > file.Size()) return false;
    if (n == 0) return true;
    if (!file.Seek(position)) return false;
    return file.Read(dst, static_cast<std::size_t>(n)) == static_cast<std::size_t>(n);
}

}  // namespace

int LoadFloor(World& w, int n, const char* path) {
    w.tileMap.fill(0);
    w.objectMap.fill(0);
    ClearOccupancy(w);
    w.replayBuffer.fill(0);

    if (n < 1 || n > kFloorCount) return 0;
    InputFile file(path);
    if (!file.IsOpen()) return 0;

    uint8_t header[kHeaderBytes];
    if (!ReadExactly(file, 0, header, kHeaderBytes)) return 0;
    const int64_t record = kHeaderBytes + ReadLeInt32(header + (n - 1) * 4);

    uint8_t head[8];
    if (!ReadExactly(file, record, head, 8)) return 0;
    const int32_t rows = ReadLeInt32(head);
    const int32_t startRow = ReadLeInt32(head + 4);
    if (rows < 1 || rows > kMaxFloorRows) return 0;
    if (startRow < -kStartRowLimit || startRow > kStartRowLimit) return 0;

    const int64_t layerBytes = static_cast<int64_t>(rows) * kFloorColumns;
    const int64_t lengthAt = record + 8 + 2 * layerBytes;
    uint8_t lengthBytes[4];
    if (!ReadExactly(file, lengthAt, lengthBytes, 4)) return 0;
    const int32_t demoLength = ReadLeInt32(lengthBytes);
    if (demoLength < 0 || demoLength > kMaxDemoLength) return 0;
    if (lengthAt + 4 + demoLength > file.Size()) return 0;

    if (!ReadExactly(file, record + 8, w.tileMap.data(), layerBytes) ||
        !ReadExactly(file, record + 8 + layerBytes, w.objectMap.data(), layerBytes) ||
        !ReadExactly(file, lengthAt + 4, w.replayBuffer.data(), demoLength)) {
        w.tileMap.fill(0);
        w.objectMap.fill(0);
        w.replayBuffer.fill(0);
        return 0;
    }

    w.floorRows = rows;
    w.scrollY = startRow * kTileSize;
    w.replayLength = demoLength + kReplayTail;
    return 1;
}

void InstallFloor(World& w, int32_t rows, int32_t startRow, const int8_t* tiles, const int8_t* objects,
                  const uint8_t* demo, int32_t demoLength) {
    w.tileMap.fill(0);
    w.objectMap.fill(0);
    ClearOccupancy(w);
    w.replayBuffer.fill(0);
    const std::size_t layerBytes = static_cast<std::size_t>(rows) * kFloorColumns;
    std::memcpy(w.tileMap.data(), tiles, layerBytes);
    std::memcpy(w.objectMap.data(), objects, layerBytes);
    if (demoLength > 0) std::memcpy(w.replayBuffer.data(), demo, static_cast<std::size_t>(demoLength));
    w.floorRows = rows;
    w.scrollY = startRow * kTileSize;
    w.replayLength = demoLength + kReplayTail;
}

void PopulateFloor(World& w) {
    // The player first, so it leads the active list and every kind that looks
    // it up finds it.
    for (int row = 0; row < w.floorRows; ++row) {
        for (int column = 0; column < kFloorColumns; ++column) {
            const int cell = row * kFloorColumns + column;
            if (w.objectMap[cell] == KIND_PLAYER) {
                SpawnCell(w, column, row, cell);
                break;
            }
        }
    }
    for (int row = 0; row < w.floorRows; ++row) {
        for (int column = 0; column < kFloorColumns; ++column) {
            const int cell = row * kFloorColumns + column;
            if (w.objectMap[cell] != KIND_PLAYER) SpawnCell(w, column, row, cell);
        }
    }
}

void SpawnCell(World& w, int column, int row, int cell) {
    if (cell < 0 || cell >= kTileMapBytes) return;
    const int kind = w.objectMap[cell];
    // Exit cells (31) and values outside the format spawn nothing.
    if (kind < 0 || kind >= kKindCount) return;
    KindSpawnTable[kind](w, column * kTileSize, row * kTileSize - w.scrollY, kind, cell);
}

}  // namespace q
