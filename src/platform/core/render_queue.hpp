#pragma once
// Internal to the platform layer: what the drawing operations hand to the
// graphics device during a frame.
#include "platform/core/sprite.hpp"

namespace q::render {

// Queues one sprite. Sprites are sent to the renderer in batches, in the
// order queued. Nothing happens without a device or outside
// BeginFrameDraw/EndFrameDraw.
void QueueSprite(const Rect& dest, const Rect& src, uint32_t colour);

// Between BeginFrameDraw and EndFrameDraw on a device.
bool FrameOpen();
// Draws everything queued so far, then clears the render target to opaque black.
void ClearTarget();

}  // namespace q::render
