#include "platform/core/render_queue.hpp"

namespace q::render {

namespace {
// One sink, as there is one graphics device per process.
const SpriteSink* sink = nullptr;
}  // namespace

void SetSpriteSink(const SpriteSink* s) { sink = s; }

void QueueSprite(const Rect& dest, const Rect& src, uint32_t colour) {
    if (sink) sink->queue(dest, src, colour);
}

bool FrameOpen() { return sink && sink->frameOpen(); }

void ClearTarget() {
    if (sink) sink->clearTarget();
}

}  // namespace q::render
