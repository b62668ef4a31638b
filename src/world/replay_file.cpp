#include "world/replay_file.hpp"

#include <cstring>
#include <vector>

#include "platform/core/bounded_read.hpp"
#include "platform/core/files.hpp"
#include "platform/core/little_endian.hpp"
#include "world/floor.hpp"

namespace q {

namespace {

constexpr uint8_t kMagic[4] = {'Q', 'R', 'P', 'L'};

void PutLe32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

uint32_t Crc32(uint32_t crc, const uint8_t* bytes, std::size_t n) {
    crc = ~crc;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

}  // namespace

bool IsCommandByte(uint8_t b) {
    return b == CMD_NONE || b == CMD_RIGHT || b == CMD_LEFT || b == CMD_DOWN || b == CMD_UP || b == CMD_ACTION;
}

const char* ReplayRefusalText(ReplayRefusal refusal) {
    switch (refusal) {
        case ReplayRefusal::None: return "is a replay";
        case ReplayRefusal::Unreadable: return "cannot be read";
        case ReplayRefusal::NotAReplay: return "is not a Quorrel replay";
        case ReplayRefusal::UnknownVersion: return "is of a replay format this game does not know";
        case ReplayRefusal::DamagedHeader: return "has a damaged header (floor, character or chaser switch out of range)";
        case ReplayRefusal::Truncated: return "is cut short: it holds fewer steps than its header says";
        case ReplayRefusal::TooLong: return "is too long: no floor is played for more than 49990 steps";
        case ReplayRefusal::TrailingBytes: return "is damaged: it holds more bytes than its header says";
        case ReplayRefusal::DamagedCommands: return "is damaged: it holds a command no key makes";
        case ReplayRefusal::FloorUnloadable: return "is for a floor that this floor set cannot load";
        case ReplayRefusal::FloorMismatch:
            return "was recorded on another floor (another floor set, or the floor was edited since)";
    }
    return "cannot be played";
}

std::size_t EncodeReplay(const Replay& replay, uint8_t* out, std::size_t capacity) {
    const ReplayHeader& h = replay.header;
    if (h.steps < 0 || h.steps > kMaxReplaySteps) return 0;
    const std::size_t size = kReplayHeaderBytes + std::size_t(h.steps);
    if (capacity < size) return 0;
    std::memcpy(out, kMagic, 4);
    PutLe32(out + 4, uint32_t(kReplayVersion));
    PutLe32(out + 8, uint32_t(h.floor));
    PutLe32(out + 12, uint32_t(h.character));
    PutLe32(out + 16, uint32_t(h.chasers));
    PutLe32(out + 20, h.floorChecksum);
    PutLe32(out + 24, uint32_t(h.steps));
    if (h.steps > 0) std::memcpy(out + kReplayHeaderBytes, replay.commands.data(), std::size_t(h.steps));
    return size;
}

ReplayRefusal DecodeReplay(const uint8_t* bytes, std::size_t size, Replay* out) {
    // The magic word first: any other file is not a replay at all, however short.
    if (size < 4 || std::memcmp(bytes, kMagic, 4) != 0) return ReplayRefusal::NotAReplay;
    if (size < kReplayHeaderBytes) return ReplayRefusal::Truncated;
    if (ReadLeInt32(bytes + 4) != kReplayVersion) return ReplayRefusal::UnknownVersion;
    ReplayHeader h;
    h.floor = ReadLeInt32(bytes + 8);
    h.character = ReadLeInt32(bytes + 12);
    h.chasers = ReadLeInt32(bytes + 16);
    h.floorChecksum = ReadLe32(bytes + 20);
    h.steps = ReadLeInt32(bytes + 24);
    if (h.floor < 1 || h.floor > kLastFloor || h.character < 0 || h.character >= kCharacterCount ||
        (h.chasers != 0 && h.chasers != 1) || h.steps < 0)
        return ReplayRefusal::DamagedHeader;
    if (h.steps > kMaxReplaySteps) return ReplayRefusal::TooLong;
    const std::size_t body = size - kReplayHeaderBytes;
    if (body < std::size_t(h.steps)) return ReplayRefusal::Truncated;
    if (body > std::size_t(h.steps)) return ReplayRefusal::TrailingBytes;
    const uint8_t* commands = bytes + kReplayHeaderBytes;
    for (int32_t i = 0; i < h.steps; ++i)
        if (!IsCommandByte(commands[i])) return ReplayRefusal::DamagedCommands;
    out->header = h;
    out->commands.fill(0);
    if (h.steps > 0) std::memcpy(out->commands.data(), commands, std::size_t(h.steps));
    return ReplayRefusal::None;
}

ReplayRefusal ReadReplayFile(const char* path, Replay* out) {
    std::vector<uint8_t> bytes;
    // A file larger than the longest replay is never read whole.
    switch (ReadBoundedFile(path, int64_t(kMaxReplayFileBytes), &bytes)) {
        case BoundedRead::Missing: return ReplayRefusal::Unreadable;
        case BoundedRead::TooLarge: {
            // Still named for what it is: a large file of another kind is not a replay.
            InputFile file(path);
            uint8_t magic[4] = {};
            if (file.Read(magic, sizeof magic) != sizeof magic || std::memcmp(magic, kMagic, 4) != 0)
                return ReplayRefusal::NotAReplay;
            return ReplayRefusal::TooLong;
        }
        case BoundedRead::Ok: break;
    }
    return DecodeReplay(bytes.data(), bytes.size(), out);
}

uint32_t FloorChecksum(int32_t rows, int32_t startRow, const int8_t* tiles, const int8_t* objects) {
    uint8_t head[8];
    PutLe32(head, uint32_t(rows));
    PutLe32(head + 4, uint32_t(startRow));
    const std::size_t layer = rows > 0 ? std::size_t(rows) * kFloorColumns : 0;
    uint32_t crc = Crc32(0, head, sizeof head);
    crc = Crc32(crc, reinterpret_cast<const uint8_t*>(tiles), layer);
    return Crc32(crc, reinterpret_cast<const uint8_t*>(objects), layer);
}

uint32_t LoadedFloorChecksum(const World& w) {
    const int32_t rows = w.floorRows < 0 ? 0 : (w.floorRows > kMaxFloorRows ? kMaxFloorRows : w.floorRows);
    return FloorChecksum(rows, w.scrollY / kTileSize, w.tileMap.data(), w.objectMap.data());
}

ReplayRefusal LoadReplayFloor(World& w, const Replay& replay, const char* floorsPath) {
    if (!LoadFloor(w, replay.header.floor, floorsPath)) return ReplayRefusal::FloorUnloadable;
    if (LoadedFloorChecksum(w) != replay.header.floorChecksum) return ReplayRefusal::FloorMismatch;
    return ReplayRefusal::None;
}

void InstallReplayCommands(World& w, const Replay& replay) {
    const int32_t steps = replay.header.steps;
    w.replayBuffer.fill(0);
    if (steps > 0) std::memcpy(w.replayBuffer.data(), replay.commands.data(), std::size_t(steps));
    w.replayLength = steps + kReplayTail;
}

}  // namespace q
