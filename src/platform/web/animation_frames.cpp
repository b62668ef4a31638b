// The frame loop on the browser's animation frames, paced by the game's own
// 17 ms rule. Also tells the page which way to scale the canvas.
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cstdint>

#include "platform/core/frame_pacer.hpp"
#include "platform/core/settings.hpp"
#include "platform/web/browser.hpp"

namespace q {
namespace {

struct BrowserLoop {
    bool (*frame)() = nullptr;
    void (*ended)() = nullptr;
    FramePacer pacer;
    uint32_t frames = 0;
    int shownFilter = -1;  // the filter the canvas is scaled with, -1 before the first frame
};

BrowserLoop loop;

// The browser scales the 640 x 480 canvas to the window; point filtering
// keeps its pixels square and sharp there too.
EM_JS(void, SetCanvasSmoothing, (int linear), {
    if (Module.canvas) Module.canvas.style.imageRendering = linear ? 'auto' : 'pixelated';
});

EM_JS(void, AnnounceGameEnded, (), {
    if (typeof Module.onGameEnded === 'function') Module.onGameEnded();
});

void FollowFilterSetting() {
    const int linear = settings.linearFilter != 0 ? 1 : 0;
    if (linear == loop.shownFilter) return;
    loop.shownFilter = linear;
    SetCanvasSmoothing(linear);
}

EM_BOOL OnAnimationFrame(double nowMs, void*) {
    if (!loop.pacer.FrameDue(nowMs)) return EM_TRUE;
    ++loop.frames;
    if (loop.frame()) {
        loop.ended();
        return EM_FALSE;
    }
    FollowFilterSetting();
    return EM_TRUE;
}

}  // namespace

void RunOnAnimationFrames(bool (*frame)(), void (*ended)()) {
    loop.frame = frame;
    loop.ended = ended;
    emscripten_request_animation_frame_loop(&OnAnimationFrame, nullptr);
}

void ShowGameEndedPage() { AnnounceGameEnded(); }

}  // namespace q

// How many game frames have run: the page's tests count them against the clock.
extern "C" EMSCRIPTEN_KEEPALIVE uint32_t quorrel_frames() { return q::loop.frames; }
