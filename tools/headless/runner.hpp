#pragma once
// Runs the whole game on the headless back end, frame by frame, from a key
// script, writing the per-frame log "FRAME SCENE FLOOR SOUNDS".
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "headless/script.hpp"

namespace q::headless_tool {

constexpr int64_t kDefaultFrames = 600;

struct RunOptions {
    std::vector<ScriptEvent> events;  // sorted by frame
    int64_t frames = kDefaultFrames;
    std::FILE* log = nullptr;         // no log when null
};

// One log line: "12 5 3 4,10" or "12 5 3 -".
std::string LogLine(int64_t frame, int scene, int floor, const std::vector<int>& sounds);

// Starts the game in the working folder and runs it until the frame limit or
// until it shuts down; returns the program's exit code.
int RunHeadless(const RunOptions& options);

}  // namespace q::headless_tool
