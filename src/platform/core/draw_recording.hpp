#pragma once
// Drawing kept as a list: while recording is on, every DrawSprite is
// appended, whether or not a device exists. Tests and tools read it back.
#include "platform/core/sprite.hpp"

namespace q {

struct DrawCall {
    Rect dest;
    Rect src;
    uint32_t colour;
};
void StartDrawRecording();
void StopDrawRecording();
const DrawCall* RecordedDraws(int* count);
void ClearRecordedDraws();

// DrawSprite reports every call here.
void RecordDraw(const Rect& dest, const Rect& src, uint32_t colour);
bool RecordingDraws();

}  // namespace q
