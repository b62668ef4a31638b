#pragma once
// Internal to the platform layer: DrawSprite reports every call here.
#include "platform/core/sprite.hpp"

namespace q {
void RecordDraw(const Rect& dest, const Rect& src, uint32_t colour);
bool RecordingDraws();
}  // namespace q
