#include "play/run_recorder.hpp"

#include <cstdio>
#include <cstring>

#include "platform/core/new_file.hpp"
#include "platform/window.hpp"
#include "play/play_state.hpp"
#include "world/replay_file.hpp"

namespace q {

namespace {

void Report(const char* what) {
    // One box a game, so a folder that cannot be written does not stop
    // every floor; each failure still goes to stderr.
    if (!Session().recorder.failureShown) {
        Session().recorder.failureShown = true;
        ShowErrorBox(what);
    } else {
        std::fprintf(stderr, "%s\n", what);
    }
}

}  // namespace

void SetRecordFolder(const char* folder) {
    Session().recorder.active = false;
    Session().recorder.enabled = folder != nullptr;
    if (folder) std::snprintf(Session().recorder.folder.text, sizeof Session().recorder.folder.text, "%s", folder);
}

bool RecordingEnabled() { return Session().recorder.enabled; }

void BeginRecordedFloor(int32_t floor, const World& w) {
    if (!Session().recorder.enabled) return;
    Session().recorder.active = true;
    Session().recorder.overflowed = false;
    ReplayHeader& h = Session().recorder.run.header;
    h.floor = floor;
    h.character = w.character;
    h.chasers = w.extraSpawnsEnabled ? 1 : 0;
    h.floorChecksum = LoadedFloorChecksum(w);
    h.steps = 0;
}

void RecordStep(int32_t command) {
    if (!Session().recorder.active) return;
    ReplayHeader& h = Session().recorder.run.header;
    if (h.steps >= kMaxReplaySteps) {
        Session().recorder.overflowed = true;
        return;
    }
    Session().recorder.run.commands[size_t(h.steps)] = uint8_t(command);
    h.steps += 1;
}

void FinishRecordedFloor() {
    if (!Session().recorder.active) return;
    Session().recorder.active = false;
    const ReplayHeader& h = Session().recorder.run.header;
    char message[sizeof(GamePath) + 700];
    if (Session().recorder.overflowed) {
        std::snprintf(message, sizeof message,
                      "The replay of floor %d was not kept: a replay holds at most %d steps.", h.floor,
                      kMaxReplaySteps);
        Report(message);
        return;
    }
    // A floor left before its first step has nothing to watch.
    if (h.steps == 0) return;
    const size_t size = EncodeReplay(Session().recorder.run, Session().recorder.file, sizeof Session().recorder.file);
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "floor-%02d", h.floor);
    GamePath written{};
    char reason[300];
    if (!WriteNewFile(Session().recorder.folder.text, prefix, "qrp", Session().recorder.file, size, &written, reason, sizeof reason)) {
        std::snprintf(message, sizeof message, "The replay of floor %d was not kept in %s: %s. The game goes on.",
                      h.floor, Session().recorder.folder.text, reason);
        Report(message);
        return;
    }
    std::fprintf(stderr, "quorrel: replay of floor %d kept in %s\n", h.floor, written.text);
}

}  // namespace q
