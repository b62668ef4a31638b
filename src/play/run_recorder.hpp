#pragma once
// Keeping the floors the player plays as replay files (quorrel --record).
#include <cstdint>

#include "platform/core/files.hpp"
#include "world/replay_file.hpp"
#include "world/world.hpp"

namespace q {

// Where the floors played are recorded, and the floor being recorded.
struct RunRecorder {
    bool enabled = false;
    bool active = false;      // a floor is being recorded
    bool overflowed = false;  // the floor outlasted what a replay can hold
    bool failureShown = false;
    GamePath folder{};
    Replay run;
    uint8_t file[kMaxReplayFileBytes];
};

// Turns recording on, into `folder`; off with nullptr (the plain game
// writes nothing). The name is copied.
void SetRecordFolder(const char* folder);
bool RecordingEnabled();

// A floor in normal play starts: its number and the world just after
// LoadFloor, before PopulateFloor, for the floor's checksum.
void BeginRecordedFloor(int32_t floor, const World& w);
// The command handed to the world for one step of that floor.
void RecordStep(int32_t command);
// The floor has ended (cleared, failed, retried or left): the run is written
// once, whole or not at all. A failure to write is reported and play goes on.
void FinishRecordedFloor();

}  // namespace q
