#include "play/run_recorder.hpp"

#include <cstdio>
#include <cstring>

#include "platform/core/new_file.hpp"
#include "platform/window.hpp"
#include "world/replay_file.hpp"

namespace q {

namespace {

struct Recorder {
    bool enabled = false;
    bool active = false;      // a floor is being recorded
    bool overflowed = false;  // the floor outlasted what a replay can hold
    bool failureShown = false;
    GamePath folder{};
    Replay run;
    uint8_t file[kMaxReplayFileBytes];
};

Recorder recorder;

void Report(const char* what) {
    // One box a game, so a folder that cannot be written does not stop
    // every floor; each failure still goes to stderr.
    if (!recorder.failureShown) {
        recorder.failureShown = true;
        ShowErrorBox(what);
    } else {
        std::fprintf(stderr, "%s\n", what);
    }
}

}  // namespace

void SetRecordFolder(const char* folder) {
    recorder.active = false;
    recorder.enabled = folder != nullptr;
    if (folder) std::snprintf(recorder.folder.text, sizeof recorder.folder.text, "%s", folder);
}

bool RecordingEnabled() { return recorder.enabled; }

void BeginRecordedFloor(int32_t floor, const World& w) {
    if (!recorder.enabled) return;
    recorder.active = true;
    recorder.overflowed = false;
    ReplayHeader& h = recorder.run.header;
    h.floor = floor;
    h.character = w.character;
    h.chasers = w.extraSpawnsEnabled ? 1 : 0;
    h.floorChecksum = LoadedFloorChecksum(w);
    h.steps = 0;
}

void RecordStep(int32_t command) {
    if (!recorder.active) return;
    ReplayHeader& h = recorder.run.header;
    if (h.steps >= kMaxReplaySteps) {
        recorder.overflowed = true;
        return;
    }
    recorder.run.commands[size_t(h.steps)] = uint8_t(command);
    h.steps += 1;
}

void FinishRecordedFloor() {
    if (!recorder.active) return;
    recorder.active = false;
    const ReplayHeader& h = recorder.run.header;
    char message[sizeof(GamePath) + 700];
    if (recorder.overflowed) {
        std::snprintf(message, sizeof message,
                      "The replay of floor %d was not kept: a replay holds at most %d steps.", h.floor,
                      kMaxReplaySteps);
        Report(message);
        return;
    }
    // A floor left before its first step has nothing to watch.
    if (h.steps == 0) return;
    const size_t size = EncodeReplay(recorder.run, recorder.file, sizeof recorder.file);
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "floor-%02d", h.floor);
    GamePath written{};
    char reason[300];
    if (!WriteNewFile(recorder.folder.text, prefix, "qrp", recorder.file, size, &written, reason, sizeof reason)) {
        std::snprintf(message, sizeof message, "The replay of floor %d was not kept in %s: %s. The game goes on.",
                      h.floor, recorder.folder.text, reason);
        Report(message);
        return;
    }
    std::fprintf(stderr, "quorrel: replay of floor %d kept in %s\n", h.floor, written.text);
}

}  // namespace q
