#include "headless/runner.hpp"

#include "app/game.hpp"
#include "platform/backend.hpp"
#include "platform/window.hpp"
#include "play/play_state.hpp"
#include "scene/scene.hpp"

namespace q::headless_tool {

namespace {
// Frames run after the limit so the shutdown queued by it is taken.
constexpr int kDrainFrames = 8;

void ApplyKeys(const std::vector<ScriptEvent>& events, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i) {
        const ScriptEvent& e = events[i];
        if (e.kind == EventKind::KeyDown) headless::SetKey(e.key, true);
        if (e.kind == EventKind::KeyUp) headless::SetKey(e.key, false);
    }
}

void TakeShots(const std::vector<ScriptEvent>& events, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i) {
        const ScriptEvent& e = events[i];
        if (e.kind != EventKind::Shot) continue;
        if (!headless::WriteFramePng(e.path.c_str())) {
            std::fprintf(stderr, "quorrel-headless: frame %lld: could not write %s\n",
                         static_cast<long long>(e.frame), e.path.c_str());
        }
    }
}
}  // namespace

std::string LogLine(int64_t frame, int scene, int floor, const std::vector<int>& sounds) {
    std::string line = std::to_string(frame) + " " + std::to_string(scene) + " " + std::to_string(floor) + " ";
    if (sounds.empty()) return line + "-";
    for (std::size_t i = 0; i < sounds.size(); ++i) {
        if (i > 0) line += ",";
        line += std::to_string(sounds[i]);
    }
    return line;
}

int RunHeadless(const RunOptions& options) {
    SelectBackend(BackendKind::Headless);
    headless::ReleaseAllKeys();
    if (!StartGame()) {
        EndWindowSystem();
        return 0;
    }
    // Sounds of start-up are not part of any frame.
    headless::TakePlayedSounds();

    const std::vector<ScriptEvent>& events = options.events;
    std::size_t next = 0;
    for (int64_t frame = 0; frame < options.frames; ++frame) {
        while (next < events.size() && events[next].frame < frame) ++next;
        std::size_t end = next;
        while (end < events.size() && events[end].frame == frame) ++end;

        // Keys are set before the frame, so its first PollKeys sees them.
        ApplyKeys(events, next, end);
        int exitCode = 0;
        if (GameLoopStep(&exitCode)) {
            EndWindowSystem();
            return exitCode;
        }
        TakeShots(events, next, end);
        const std::vector<int> sounds = headless::TakePlayedSounds();
        if (options.log) {
            const std::string line = LogLine(frame, CurrentScene(), Session().floorNumber, sounds);
            std::fprintf(options.log, "%s\n", line.c_str());
        }
        next = end;
    }

    // The limit ends the run as closing the window would.
    Shutdown();
    int exitCode = 0;
    for (int i = 0; i < kDrainFrames; ++i) {
        if (GameLoopStep(&exitCode)) break;
    }
    EndWindowSystem();
    return exitCode;
}

}  // namespace q::headless_tool
