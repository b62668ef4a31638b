#pragma once
// What the drawing operations hand to the graphics device during a frame.
// The device lies above this folder, so it plugs itself in as a sink; with no
// sink, sprites go nowhere, as they do with no device.
#include "platform/core/sprite.hpp"

namespace q::render {

struct SpriteSink {
    // Queues one sprite; sprites reach the renderer in the order queued.
    void (*queue)(const Rect& dest, const Rect& src, uint32_t colour);
    // Between BeginFrameDraw and EndFrameDraw on a device.
    bool (*frameOpen)();
    // Draws everything queued so far, then clears the target to opaque black.
    void (*clearTarget)();
};
// The graphics device plugs in its sink when made; nullptr unplugs it.
void SetSpriteSink(const SpriteSink* sink);

void QueueSprite(const Rect& dest, const Rect& src, uint32_t colour);
bool FrameOpen();
void ClearTarget();

}  // namespace q::render
