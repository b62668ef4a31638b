#include "platform/clock.hpp"

#include <SDL.h>

#include "platform/backend_table.hpp"
#include "platform/test_hooks.hpp"

namespace q {

constexpr double kFrameMs = 16.666666;
// The first whole-millisecond count that is not less than kFrameMs.
constexpr uint32_t kFrameEndMs = static_cast<uint32_t>(kFrameMs) + 1;
// Sleeping is coarse; the last stretch before the deadline is spun on the
// clock. A frame that follows a waited one begins right after a millisecond
// step, so sleeping to one whole millisecond before the deadline leaves a spin
// of just under 1 ms (a 2 ms margin spun ~1.9 ms a frame, 11% of a core).
constexpr uint32_t kSpinMarginMs = 1;

// Whole milliseconds of SDL's high-resolution counter. Not SDL_GetTicks: it
// truncates the nanosecond part of its difference toward zero, so during part
// of every second it runs up to 1 ms ahead and its millisecond steps come
// unevenly (some 0.2 ms apart), which made 17-tick frames last 15 to 18 ms.
static uint32_t SdlNow() {
    static const Uint64 frequency = SDL_GetPerformanceFrequency();
    const Uint64 count = SDL_GetPerformanceCounter();
    return static_cast<uint32_t>((count / frequency) * 1000 + (count % frequency) * 1000 / frequency);
}
static void SdlSleep(uint32_t ms) { SDL_Delay(ms); }

static const FrameClock kRealClock{&SdlNow, &SdlSleep};
static FrameClock frameClock = kRealClock;
static bool replacedClock = false;

uint32_t NowMs() { return frameClock.now(); }

void WaitForFrameEnd(uint32_t t0) {
    if (!replacedClock && !Backend().waitsForFrames) return;
    for (;;) {
        // Unsigned difference: a clock that wrapped since t0 still counts forward.
        const uint32_t elapsed = frameClock.now() - t0;
        if (!(static_cast<double>(elapsed) < kFrameMs)) return;
        const uint32_t remaining = kFrameEndMs - elapsed;
        if (remaining > kSpinMarginMs && frameClock.sleepMs) frameClock.sleepMs(remaining - kSpinMarginMs);
    }
}

void SetFrameClock(const FrameClock& clock) {
    if (!clock.now) {
        ResetFrameClock();
        return;
    }
    frameClock = clock;
    replacedClock = true;
}

void ResetFrameClock() {
    frameClock = kRealClock;
    replacedClock = false;
}

}  // namespace q
