#include "platform/core/draw_recording.hpp"

#include <vector>

namespace q {

namespace {
// One recording for the one sprite queue, switched on by the tests and tools that read it back.
bool recording = false;
std::vector<DrawCall> draws;
}  // namespace

void RecordDraw(const Rect& dest, const Rect& src, uint32_t colour) {
    if (recording) draws.push_back(DrawCall{dest, src, colour});
}

void StartDrawRecording() {
    draws.clear();
    recording = true;
}

void StopDrawRecording() { recording = false; }
bool RecordingDraws() { return recording; }

const DrawCall* RecordedDraws(int* count) {
    if (count) *count = int(draws.size());
    return draws.data();
}

void ClearRecordedDraws() { draws.clear(); }

}  // namespace q
