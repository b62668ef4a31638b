#pragma once
// A run kept to be watched again: the floor it was played on, how it was
// played, and the command of every step. The game writes it, and the game,
// quorrel-sim and quorrel-floors read it.
//
// Layout, little-endian: "QRPL", format version, floor, character, chasers
// (0 or 1), checksum of the floor as loaded, step count (each 4 bytes), then
// one command byte per step.
#include <array>
#include <cstddef>
#include <cstdint>

#include "world/world.hpp"

namespace q {

constexpr int32_t kReplayVersion = 1;
constexpr std::size_t kReplayHeaderBytes = 28;
// A run longer than the replay buffer can hold cannot be watched again.
constexpr int32_t kMaxReplaySteps = kMaxDemoLength;
constexpr std::size_t kMaxReplayFileBytes = kReplayHeaderBytes + kMaxReplaySteps;

struct ReplayHeader {
    int32_t floor = 1;
    int32_t character = 0;
    int32_t chasers = 1;
    uint32_t floorChecksum = 0;
    int32_t steps = 0;
};

// Fixed storage, so the game records a run without allocating.
struct Replay {
    ReplayHeader header;
    std::array<uint8_t, kMaxReplaySteps> commands{};
};

// Why a replay is not played; each has its own message.
enum class ReplayRefusal {
    None,
    Unreadable,
    NotAReplay,
    UnknownVersion,
    DamagedHeader,
    Truncated,
    TooLong,
    TrailingBytes,
    DamagedCommands,
    FloorUnloadable,
    FloorMismatch,
};
// What is wrong, to follow the file's name: "is cut short: ...".
const char* ReplayRefusalText(ReplayRefusal refusal);

// The file's bytes; out must hold kReplayHeaderBytes + steps. Returns the size.
std::size_t EncodeReplay(const Replay& replay, uint8_t* out, std::size_t capacity);
// Checks everything the file says about itself (not yet its floor).
ReplayRefusal DecodeReplay(const uint8_t* bytes, std::size_t size, Replay* out);
// Reads and decodes a replay file.
ReplayRefusal ReadReplayFile(const char* path, Replay* out);

// CRC-32 of the parts of a floor record that play reads: rows, start row and
// both layers (not the demo, so a floor's new demo keeps its replays).
uint32_t FloorChecksum(int32_t rows, int32_t startRow, const int8_t* tiles, const int8_t* objects);
// The same for the floor LoadFloor has just put into w (before PopulateFloor).
uint32_t LoadedFloorChecksum(const World& w);

// Loads the replay's floor from the floor file into w and checks that it is
// the floor the run was played on. The world is left as LoadFloor left it.
ReplayRefusal LoadReplayFloor(World& w, const Replay& replay, const char* floorsPath);
// The run's commands in the replay buffer in place of the floor's demo, with
// the ten standing-still bytes after them that every demo has.
void InstallReplayCommands(World& w, const Replay& replay);

// Whether b is one of the six commands a step can have.
bool IsCommandByte(uint8_t b);

}  // namespace q
